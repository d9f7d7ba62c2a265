// The MCCS capability string parser: properties and VCP codes of well-formed and
// malformed strings, and what an update keeps.

#include "mccsdata.h"

#include <QtTest>

class tst_MccsCaps : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void updateReplacesEverything();
    void deepNestingIsRefused();
};

namespace {

// Properties as "name=value", in order.
QStringList properties(const MccsData &data)
{
    QStringList list;
    for (const MccsProperty *property : data.GetProperties())
        list << property->name + QLatin1Char('=') + property->value;
    return list;
}

// VCP codes as two-digit hexadecimal numbers, in order.
QString codes(const MccsData &data)
{
    QStringList list;
    for (const VcpFeature *feature : data.GetVcp())
        list << QString::asprintf("%02X", feature->code);
    return list.join(QLatin1Char(' '));
}

} // namespace

void tst_MccsCaps::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("properties");
    QTest::addColumn<QString>("codes");

    // The closing parenthesis of the whole string reads as a last property ")".
    QTest::newRow("prot, type and vcp with allowed values")
        << QByteArray("(prot(monitor)type(lcd)vcp(02 04 14(05 08 0B) 60(01 03)))") << true
        << QStringList{"prot=monitor", "type=lcd", "vcp=02 04 14(05 08 0B) 60(01 03)", ")="}
        << "02 04 14 60";
    QTest::newRow("a monitor's reply")
        << QByteArray("(prot(monitor)type(LCD)model(Simulated DP Monitor)cmds(01 02 03 07 0C "
                      "E3 F3)vcp(02 04 05 08 10 12 14(05 08 0B) 16 18 1A 52 60(0F 11 12) AC AE "
                      "B6 C6 C8 C9 D6(01 04 05) DF)mccs_ver(2.1))")
        << true
        << QStringList{"prot=monitor",
                       "type=LCD",
                       "model=Simulated DP Monitor",
                       "cmds=01 02 03 07 0C E3 F3",
                       "vcp=02 04 05 08 10 12 14(05 08 0B) 16 18 1A 52 60(0F 11 12) AC AE B6 C6 "
                       "C8 C9 D6(01 04 05) DF",
                       "mccs_ver=2.1",
                       ")="}
        << "02 04 05 08 10 12 14 16 18 1A 52 60 AC AE B6 C6 C8 C9 D6 DF";
    QTest::newRow("no closing parenthesis of the whole string")
        << QByteArray("(vcp(10 12)") << true << QStringList{"vcp=10 12"} << "10 12";
    QTest::newRow("spaces around names and groups")
        << QByteArray("(  vcp  ( 10 ) )") << true << QStringList{"vcp= 10 ", ")="} << "10";
    QTest::newRow("a code that is not hexadecimal reads as 0")
        << QByteArray("(vcp(xx 12))") << true << QStringList{"vcp=xx 12", ")="} << "00 12";
    QTest::newRow("a duplicate code is kept twice")
        << QByteArray("(vcp(10 10))") << true << QStringList{"vcp=10 10", ")="} << "10 10";
    QTest::newRow("names without groups") << QByteArray("(prot vcp(10) type)") << true
                                          << QStringList{"prot=", "vcp=10", "type)="} << "10";
    QTest::newRow("groups without a name")
        << QByteArray("((prot(monitor))vcp((10 12) 02) ())") << true
        << QStringList{"prot=monitor", "vcp=(10 12) 02", ")="} << "10 12 02";
    QTest::newRow("allowed values after a space")
        << QByteArray("(vcp(02 (10 12) 04))") << true << QStringList{"vcp=02 (10 12) 04", ")="}
        << "02 04";
    QTest::newRow("an empty vcp group")
        << QByteArray("(vcp())") << true << QStringList{"vcp=", ")="} << "";
    QTest::newRow("only the opening parenthesis") << QByteArray("(") << true << QStringList{} << "";

    QTest::newRow("without the leading parenthesis")
        << QByteArray("vcp(10 12)") << false << QStringList{} << "";
    QTest::newRow("empty") << QByteArray("") << false << QStringList{} << "";
    QTest::newRow("unbalanced vcp group")
        << QByteArray("(vcp(10 12 60(01 03)") << false << QStringList{} << "";
    QTest::newRow("what precedes an unbalanced group stays")
        << QByteArray("(prot(monitor)vcp(10)type(lcd") << false
        << QStringList{"prot=monitor", "vcp=10"} << "10";
}

void tst_MccsCaps::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, result);
    QFETCH(QStringList, properties);
    QFETCH(QString, codes);
    MccsData data;
    QCOMPARE(data.Update(text.constData()), result);
    QCOMPARE(::properties(data), properties);
    QCOMPARE(::codes(data), codes);
    // The display fills maximum and current values later.
    for (const VcpFeature *feature : data.GetVcp()) {
        QCOMPARE(feature->max, 0u);
        QCOMPARE(feature->current, 0u);
    }
}

void tst_MccsCaps::updateReplacesEverything()
{
    MccsData data;
    QVERIFY(data.Update("(prot(monitor)vcp(10 12))"));
    QCOMPARE(data.GetVcp().size(), 2);
    data.GetVcp().first()->current = 50;

    QVERIFY(data.Update("(vcp(60))"));
    QCOMPARE(codes(data), QStringLiteral("60"));
    QCOMPARE(data.GetVcp().first()->current, 0u);
    QCOMPARE(properties(data), (QStringList{"vcp=60", ")="}));

    QVERIFY(!data.Update(nullptr));
    QVERIFY(data.GetVcp().isEmpty());
    QVERIFY(data.GetProperties().isEmpty());

    QVERIFY(data.Update("(vcp(10))"));
    data.Clean();
    QVERIFY(data.GetVcp().isEmpty());
    QVERIFY(data.GetProperties().isEmpty());
}

void tst_MccsCaps::deepNestingIsRefused()
{
    // Groups without names nest the parser; absurd nesting is refused, not followed.
    const int levels = 200000;
    const QByteArray text = "(" + QByteArray(levels, '(') + "vcp(10)" + QByteArray(levels, ')');
    MccsData data;
    QVERIFY(!data.Update(text.constData()));
    QVERIFY(data.GetVcp().isEmpty());

    // A few levels are fine.
    QVERIFY(data.Update("((((vcp(10)))))"));
    QCOMPARE(codes(data), QStringLiteral("10"));
}

QTEST_GUILESS_MAIN(tst_MccsCaps)
#include "tst_mccscaps.moc"
