#include "connectwarninghandler.h"
#include "frame/vyrhexviewtable.h"

#include <QtTest>

class tst_VyrHexViewTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void headersLabelOffsets();
    void bufferFillsAndEmptiesCells();
    void nullBytesReadZero();
    void editedCellsKeepOnlyHexBytes_data();
    void editedCellsKeepOnlyHexBytes();
    void readOnlyCells();
};

namespace {

QString cellText(const VyrHexViewTable &table, int offset)
{
    const QTableWidgetItem *cell = table.item(offset / 16, offset % 16);
    return cell ? cell->text() : QStringLiteral("<none>");
}

QByteArray counting(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i);
    return bytes;
}

const unsigned char *raw(const QByteArray &bytes)
{
    return reinterpret_cast<const unsigned char *>(bytes.constData());
}

} // namespace

void tst_VyrHexViewTable::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrHexViewTable::headersLabelOffsets()
{
    VyrHexViewTable table;
    QCOMPARE(table.columnCount(), 16);
    QCOMPARE(table.rowCount(), 8);
    const QByteArray image = counting(512);
    table.setBuffer(512, raw(image));
    QCOMPARE(table.rowCount(), 32);
    QCOMPARE(table.horizontalHeaderItem(0)->text(), QStringLiteral("00"));
    QCOMPARE(table.horizontalHeaderItem(15)->text(), QStringLiteral("0F"));
    QCOMPARE(table.verticalHeaderItem(0)->text(), QStringLiteral("00"));
    QCOMPARE(table.verticalHeaderItem(1)->text(), QStringLiteral("10"));
    QCOMPARE(table.verticalHeaderItem(31)->text(), QStringLiteral("1F0"));
}

void tst_VyrHexViewTable::bufferFillsAndEmptiesCells()
{
    VyrHexViewTable table;
    const QByteArray bytes = counting(40);
    table.setBuffer(40, raw(bytes));
    QCOMPARE(table.byteCount(), quint16(40));
    QCOMPARE(cellText(table, 0), QStringLiteral("00"));
    QCOMPARE(cellText(table, 26), QStringLiteral("1A"));
    QCOMPARE(cellText(table, 39), QStringLiteral("27"));
    QCOMPARE(cellText(table, 40), QStringLiteral("<none>"));
    // A smaller buffer empties the cells behind its last byte.
    table.setBuffer(20, raw(bytes));
    QCOMPARE(table.rowCount(), 2);
    QCOMPARE(cellText(table, 19), QStringLiteral("13"));
    QCOMPARE(cellText(table, 20), QStringLiteral("<none>"));
    QCOMPARE(cellText(table, 31), QStringLiteral("<none>"));
    QByteArray back(20, '\x7F');
    table.getBuffer(reinterpret_cast<unsigned char *>(back.data()));
    QCOMPARE(back, bytes.left(20));
}

void tst_VyrHexViewTable::nullBytesReadZero()
{
    VyrHexViewTable table;
    const QByteArray bytes = counting(32);
    table.setBuffer(32, raw(bytes));
    table.setBuffer(32, nullptr);
    for (int i = 0; i < 32; ++i)
        QCOMPARE(cellText(table, i), QStringLiteral("00"));
}

void tst_VyrHexViewTable::editedCellsKeepOnlyHexBytes_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("one digit") << 3 << "a"
                               << "a";
    QTest::newRow("two digits") << 3 << "Fe"
                                << "Fe";
    QTest::newRow("three digits") << 3 << "123"
                                  << "";
    QTest::newRow("not hexadecimal") << 3 << "G1"
                                     << "";
    QTest::newRow("behind the last byte") << 25 << "12"
                                          << "<none>";
}

void tst_VyrHexViewTable::editedCellsKeepOnlyHexBytes()
{
    QFETCH(int, offset);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    VyrHexViewTable table;
    const QByteArray bytes = counting(20);
    table.setBuffer(20, raw(bytes));
    // As the item view's editor stores it.
    QAbstractItemModel *model = table.model();
    model->setData(model->index(offset / 16, offset % 16), typed, Qt::EditRole);
    QCOMPARE(cellText(table, offset), kept);
}

void tst_VyrHexViewTable::readOnlyCells()
{
    VyrHexViewTable table;
    const QByteArray bytes = counting(16);
    table.setBuffer(16, raw(bytes));
    QVERIFY(table.item(0, 0)->flags() & Qt::ItemIsEditable);
    table.setReadOnly(true);
    QVERIFY(!(table.item(0, 0)->flags() & Qt::ItemIsEditable));
    table.setBuffer(48, raw(counting(48)));
    QVERIFY(!(table.item(2, 15)->flags() & Qt::ItemIsEditable));
}

QTEST_MAIN(tst_VyrHexViewTable)
#include "tst_vyrhexviewtable.moc"
