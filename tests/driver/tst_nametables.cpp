// The static name tables: every VCP code's name, and the DisplayPort, signal and
// orientation lists.

#include "nametables.h"

#include <QtTest>

class tst_NameTables : public QObject
{
    Q_OBJECT

private slots:
    void vcpCodes();
    void lists();
};

void tst_NameTables::vcpCodes()
{
    const std::array<QString, 256> &names = VcpCodeDiscription();

    // Codes MCCS leaves unassigned below the manufacturer range.
    const QSet<unsigned> unassigned = {
        0x00, 0x07, 0x09, 0x0D, 0x0F, 0x15, 0x19, 0x1B, 0x1D, 0x21, 0x23, 0x25, 0x27, 0x2B,
        0x2D, 0x2F, 0x31, 0x33, 0x35, 0x37, 0x3B, 0x3D, 0x3F, 0x45, 0x47, 0x49, 0x4B, 0x4D,
        0x4E, 0x4F, 0x50, 0x51, 0x53, 0x55, 0x57, 0x5F, 0x61, 0x63, 0x65, 0x67, 0x68, 0x69,
        0x6A, 0x6B, 0x6D, 0x6F, 0x71, 0x77, 0x79, 0x7A, 0x7B, 0x7D, 0x7E, 0x7F, 0x80, 0x81,
        0x83, 0x85, 0x89, 0x99, 0xA1, 0xA3, 0xA6, 0xA7, 0xA8, 0xA9, 0xAB, 0xAD, 0xAF, 0xB1,
        0xB3, 0xB4, 0xB5, 0xBF, 0xC1, 0xC5, 0xCB, 0xD1, 0xD2, 0xD3, 0xD5, 0xD8, 0xD9, 0xDD};
    QCOMPARE(unassigned.size(), 84);
    QSet<QString> distinct;
    for (unsigned code = 0; code < 0xE0; ++code) {
        QVERIFY2(
            names[code].isEmpty() == unassigned.contains(code),
            qPrintable(QString::asprintf("code 0x%02X: \"%s\"", code, qPrintable(names[code]))));
        if (!names[code].isEmpty())
            distinct << names[code];
    }
    // Every assigned code has a name of its own.
    QCOMPARE(distinct.size(), 0xE0 - 84);
    for (unsigned code = 0xE0; code <= 0xFF; ++code)
        QCOMPARE(names[code], QStringLiteral("Manufacturer Specific"));

    QCOMPARE(names[0x01], QStringLiteral("Degauss"));
    QCOMPARE(names[0x10], QStringLiteral("Luminance"));
    QCOMPARE(names[0x14], QStringLiteral("Select Color Preset"));
    QCOMPARE(names[0x59], QStringLiteral("6 Axis Saturation Control: Red"));
    QCOMPARE(names[0x60], QStringLiteral("Input Source"));
    QCOMPARE(names[0x97], QStringLiteral("Window Position (BR_X)"));
    QCOMPARE(names[0x98], QStringLiteral("Window Position (BR_Y)"));
    QCOMPARE(names[0xB7], QStringLiteral("DPVL : Display status"));
    QCOMPARE(names[0xDF], QStringLiteral("VCP Version"));
}

void tst_NameTables::lists()
{
    QCOMPARE(LinkRateToStringTable(), (QStringList{"RBR", "HBR", "HBR2", "RBR2"}));
    QCOMPARE(VoltageSwingToStringTable(), (QStringList{"400 mV", "600 mV", "800 mV", "1200 mV"}));
    QCOMPARE(PreEmphasisToStringTable(),
             (QStringList{"0 dB", "3.5 dB", "6 dB", "8.5 dB", "9.5 dB"}));
    QCOMPARE(SinkSignalString(), (QStringList{"Unknown", "CRT", "DVI", "DVI", "CV"}));
    QCOMPARE(ScreenOrientationString(), (QStringList{"0", "90", "180", "270"}));
    QCOMPARE(DbgLogTag, QStringLiteral("DBGLOG"));
    QCOMPARE(DbgLogErrorAttribute, QStringLiteral("DBGLOG_ERROR"));
    QCOMPARE(DbgLogResultAttribute, QStringLiteral("DBGLOG_RESULT"));
}

QTEST_GUILESS_MAIN(tst_NameTables)
#include "tst_nametables.moc"
