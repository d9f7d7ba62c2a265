// Stored codes that a drop-down list of the tree has no entry for (reserved or unknown values),
// in every block family: the list shows the code as its number, never an empty box or another
// entry, and an edit of another field of the same record writes the code back as stored.

#include "ceatestsupport.h"
#include "connectwarninghandler.h"
#include "descriptorfixtures.h"
#include "didsteps.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "widgets/comborows.h"

#include <QComboBox>
#include <QtTest>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

QList<int> bytesOf(const QByteArray &hex)
{
    QList<int> bytes;
    for (char byte : QByteArray::fromHex(hex))
        bytes << quint8(byte);
    return bytes;
}

// An EDID 1.4 block whose descriptor slot 3 (bytes 108 to 125) holds descriptor.
QByteArray withRangeLimits(const QByteArray &descriptor)
{
    return VyrTest::imageWithDescriptor(3, bytesOf(descriptor));
}

// A DisplayID display interface block at 133 (payload 136 to 145, the section checksum after
// it) in an extension at 128.
constexpr int SectionChecksum = 146;
QByteArray withInterface(const QByteArray &payload)
{
    return EdidImageBuilder()
        .edid14()
        .displayIdExtension()
        .displayIdDataBlock(0x0F, 0, QByteArray::fromHex(payload))
        .image();
}

// A DI-EXT block at 128 with its bytes from 14 on.
QByteArray withDiExt(const QByteArray &bytes14On)
{
    return EdidImageBuilder().edid14().diExt().patch(14, bytesOf(bytes14On)).image();
}

const QString Range = QStringLiteral("Base Block/Descriptors/Range Limits Info");
const QString Interface = QStringLiteral("DID Extention/Display Interface");
const QString Device = QStringLiteral("DI Extention/Display Device");
const QString Audio = QStringLiteral("CEA Extention/Data Blocks/Audio Data Block/0");

} // namespace

class tst_StoredCodes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shownAndKept_data();
    void shownAndKept();
};

void tst_StoredCodes::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_StoredCodes::shownAndKept_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("step"); // an edit of another field (VyrTest::didStep)
    QTest::addColumn<QList<int>>("written");

    // CVT range limits, preferred aspect 101 (reserved) with standard blanking; the maximum
    // vertical rate goes from 75 to 85 Hz (byte 114).
    QTest::newRow("range limits preferred aspect")
        << withRangeLimits("000000fd00324b1e5011041112 80c8a8f03c")
        << Range + "/CVT Parameters:/Preferred Aspect Ratio:"
        << "Unknown (0x05)"
        << "type|" + Range + "/Timings:/VRate Range Max(Hz):|85" << QList<int>{114};
    QTest::newRow("range limits timing support")
        << withRangeLimits("000000fd00324b1e50110300000000000000") << Range + "/Timings:/[1]"
        << "Unknown (0x03)"
        << "type|" + Range + "/Timings:/VRate Range Max(Hz):|85" << QList<int>{114};
    // Display interface type 13 (reserved) with 2 links; content protection 6 (reserved).
    QTest::newRow("DisplayID interface type")
        << withInterface("d2123f070101130000 00") << Interface + "/Interface Type"
        << "Unknown (0x0D)"
        << "type|" + Interface + "/Number of Links#Channels|3" << QList<int>{136, SectionChecksum};
    QTest::newRow("DisplayID content protection")
        << withInterface("a4123f070106130000 00") << Interface + "/Content Protection"
        << "Unknown (0x06)"
        << "type|" + Interface + "/Number of Links#Channels|3" << QList<int>{136, SectionChecksum};
    // Sub-pixel shape 9 (no entry); the horizontal pitch goes to 300 (byte 145).
    QTest::newRow("DI-EXT sub-pixel shape")
        << withDiExt("0302091901bb") << Device + "/Sub Pixel Shape"
        << "Unknown (0x09)"
        << "type|" + Device + "/Hor. Pitch(cm)|300" << QList<int>{145};
    // A short audio descriptor with format code 0 (reserved), 2 channels; 6 channels instead
    // (byte 133).
    QTest::newRow("CEA audio format")
        << CeaTest::imageWithCollection(QByteArray::fromHex("23010707")) << Audio + "/Format"
        << "Unknown (0x00)"
        << "type|" + Audio + "/Number of Channels|6" << QList<int>{133};
}

void tst_StoredCodes::shownAndKept()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, list);
    QFETCH(QString, shown);
    QFETCH(QString, step);
    QFETCH(QList<int>, written);
    TreeHarness h(image);
    auto *combo = qobject_cast<QComboBox *>(h.widget(VyrTest::rowPath(list)));
    QVERIFY(combo);
    QCOMPARE(combo->currentText(), shown);
    QVERIFY(ComboRows::isUnknown(combo, combo->currentIndex()));
    VYR_VERIFY_UNCHANGED(h.original(), h.image());

    QVERIFY(VyrTest::didStep(h, {}, step));
    QVERIFY(h.image() != h.original());
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), written);
    QCOMPARE(h.valueText(VyrTest::rowPath(list)), shown);
    h.rebuild();
    QCOMPARE(h.valueText(VyrTest::rowPath(list)), shown);
}

QTEST_MAIN(tst_StoredCodes)
#include "tst_storedcodes.moc"
