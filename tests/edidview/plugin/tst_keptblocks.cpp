#include "connectwarninghandler.h"
#include "devicetreetestsupport.h"
#include "edidbytes.h"
#include "edidchecks.h"
#include "edidreport.h"
#include "edidtreeharness.h"
#include "files/edidbinfile.h"
#include "files/edidinffile.h"
#include "files/edidregfile.h"
#include "files/edidtextfile.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidkinds.h"
#include "frame/vyredidmainitem.h"
#include "keptblockfixtures.h"
#include "model/cea/ceaextblock.h"
#include "plugin/edidloadsaveform.h"
#include "recordinguiservice.h"
#include "scriptedchooser.h"
#include "vyrtestutil.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using DeviceTreeTest::Model;
using VyrTest::KeptBlockFixture;
using VyrTest::TreeHarness;

// Extensions the tree has no class for (DisplayID 2.x, a block map, an erased block, a block the
// file did not hold) are blocks of the EDID all the same: the tree shows them, the blocks behind
// them are read, and adding a block after them, removing them and saving in each of the four
// formats keeps every block the user did not touch byte for byte. An EDID longer than the image
// says which blocks it lost.

namespace {

constexpr int Block = 128;

enum class Action { None, Add, Remove };

// The blocks the first block announces that fit into the image: what the tree covers.
QByteArray coveredPart(const QByteArray &image)
{
    const int announced = 1 + quint8(image.at(126));
    return image.left(Block * qMin(announced, 4));
}

QByteArray blockAt(const QByteArray &bytes, int index)
{
    return bytes.mid(index * Block, Block);
}

// The lines of edid-decode -c that tell the block count is not what the base block says.
QStringList countFailures(const QString &report)
{
    static const QRegularExpression count(QStringLiteral("specified \\d+ extension block"));
    QStringList found;
    for (const QString &line : report.split(QLatin1Char('\n'))) {
        if (count.match(line).hasMatch())
            found << line.trimmed();
    }
    return found;
}

// The save page over the machine of the load/save tests, its first display naming the value
// of a registry file.
struct SavePage
{
    SavePage()
        : model(QStringLiteral("loadsave.json"))
        , form(false)
    {
        form.SetSystemManager(model.system.get());
    }

    bool save(const QString &name, QByteArray image)
    {
        form.findChild<QLineEdit *>(QStringLiteral("lineEditFileName"))->setText(name);
        form.findChild<QComboBox *>(QStringLiteral("displaySelect"))->setCurrentIndex(0);
        return form.SaveOrOverrideEdid(VyrTest::bytes(image), 512);
    }

    Model model;
    EdidLoadSaveForm form;
};

// The image the reader of the file's format reads back from it.
QByteArray readBack(const QString &file)
{
    EdidImage image{};
    EdidFileResult read;
    if (file.endsWith(QLatin1String(".bin")))
        read = EdidBinFile::read(file, image);
    else if (file.endsWith(QLatin1String(".txt")))
        read = EdidTextFile::read(file, image);
    else if (file.endsWith(QLatin1String(".inf")))
        read = EdidInfFile::read(file, image);
    else
        read = EdidRegFile::read(file, image);
    return read.ok ? QByteArray(reinterpret_cast<const char *>(image), 512) : QByteArray();
}

} // namespace

class tst_KeptBlocks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void treeShowsEveryAnnouncedBlock_data();
    void treeShowsEveryAnnouncedBlock();
    void actionsKeepUntouchedBlocks_data();
    void actionsKeepUntouchedBlocks();

private:
    QTemporaryDir m_dir;
};

void tst_KeptBlocks::initTestCase()
{
    VyrTest::installConnectWarningHandler();
    QVERIFY(m_dir.isValid());
}

void tst_KeptBlocks::cleanupTestCase()
{
    VyrTest::uninstallConnectWarningHandler();
}

void tst_KeptBlocks::treeShowsEveryAnnouncedBlock_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QStringList>("titles");
    for (const KeptBlockFixture &fixture : VyrTest::keptBlockFixtures())
        QTest::newRow(qPrintable(fixture.name)) << VyrTest::fixtureImage(fixture) << fixture.titles;
}

// Each unknown block is a row of its own, read-only, whose bytes light up in the hex view, and
// the root records it like any block.
void tst_KeptBlocks::treeShowsEveryAnnouncedBlock()
{
    QFETCH(QByteArray, image);
    QFETCH(QStringList, titles);
    TreeHarness h(image);
    QCOMPARE(h.childTitles({}), titles);
    QCOMPARE(h.root()->blockCount(), unsigned(titles.size()));
    QCOMPARE(h.root()->blockOffset(h.root()->blockCount()), unsigned(Block * titles.size()));
    for (int i = 1; i < titles.size(); ++i) {
        QTreeWidgetItem *row = h.root()->child(i);
        if (row->type() != VyrEdidItemKind::UnknownExtension)
            continue;
        QVERIFY(titles.at(i).startsWith(QLatin1String("Unknown Extension (Tag 0x")));
        QCOMPARE(row->childCount(), 0);
        // No editor: only the erase button.
        QVERIFY(!h.tree()->itemWidget(row, VyrEdidColumn::Value));
        QVERIFY(!h.tree()->itemWidget(row, VyrEdidColumn::Type));
        QVERIFY(h.tree()->itemWidget(row, VyrEdidColumn::Action));
        QVERIFY(h.select(h.pathOf(row)));
        QList<int> expected;
        for (int b = 0; b < Block; ++b)
            expected << i * Block + b;
        QCOMPARE(h.highlightedBytes(), expected);
    }
    VYR_VERIFY_UNCHANGED(h.original(), h.image());
}

void tst_KeptBlocks::actionsKeepUntouchedBlocks_data()
{
    QTest::addColumn<QByteArray>("edid");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("target"); // the block removed
    for (const KeptBlockFixture &fixture : VyrTest::keptBlockFixtures()) {
        // The first unknown block, or the first extension where every block is known.
        int target = 1;
        while (target < fixture.titles.size() - 1
               && !fixture.titles.at(target).startsWith(QLatin1String("Unknown")))
            ++target;
        if (!fixture.titles.at(target).startsWith(QLatin1String("Unknown")))
            target = 1;
        const QByteArray name = fixture.name.toUtf8();
        QTest::newRow((name + ", saved").constData()) << fixture.edid << int(Action::None) << 0;
        QTest::newRow((name + ", block added").constData())
            << fixture.edid << int(Action::Add) << 0;
        QTest::newRow((name + ", block removed").constData())
            << fixture.edid << int(Action::Remove) << target;
    }
}

// After the action the file of each format holds every block the first block announces, the
// blocks the user did not touch exactly as they were: edid-decode reads them the same, finds
// the block count the base block announces (unless the EDID itself is longer than the image)
// and every checksum right, but those of untouched blocks that came wrong.
void tst_KeptBlocks::actionsKeepUntouchedBlocks()
{
    QFETCH(QByteArray, edid);
    QFETCH(int, action);
    QFETCH(int, target);
    QByteArray image = edid.left(512);
    image.append(QByteArray(512 - image.size(), '\0'));
    const QByteArray shown = coveredPart(image);
    const int blocks = shown.size() / Block;

    // What the user does in the tree.
    VyrTest::ScriptedChooser chooser;
    TreeHarness h(image);
    QCOMPARE(int(h.root()->blockCount()), blocks);
    QList<int> kept; // the extension blocks the file must hold unchanged, in order
    for (int i = 1; i < blocks; ++i)
        kept << i;
    int announced = quint8(image.at(126));
    if (action == int(Action::Add)) {
        chooser.answer(QStringLiteral("EDID CEA Ext Block"));
        QVERIFY(h.click({}));
        if (blocks < 4)
            ++announced;
    } else if (action == int(Action::Remove)) {
        QVERIFY(h.click(h.pathOf(h.root()->child(target))));
        kept.removeAll(target);
        --announced;
    }
    h.settle();
    const QByteArray edited = h.image();
    QCOMPARE(quint8(edited.at(126)), quint8(announced));
    QCOMPARE(edited.left(126), shown.left(126));

    // The file: the edited base block, the kept blocks, the new CTA-861 block; where blocks
    // past the image stay announced, the zeros behind the blocks moved down.
    const QByteArray expected = coveredPart(edited);
    int at = 1;
    for (const int was : kept)
        QCOMPARE(blockAt(expected, at++), blockAt(shown, was));
    if (action == int(Action::Add) && blocks < 4) {
        QByteArray added(Block, '\0');
        QVERIFY(CeaExtBlock::InitBuffer(VyrTest::bytes(added), Block));
        QCOMPARE(blockAt(expected, at++), added);
    }
    QCOMPARE(expected.mid(at * Block), QByteArray(expected.size() - at * Block, '\0'));

    QString before;
    if (VyrTest::haveEdidDecode())
        before = VyrTest::edidDecode(shown, {QStringLiteral("-c")});
    const bool longer = 1 + quint8(edited.at(126)) > 4;
    for (const char *suffix : {"bin", "txt", "inf", "reg"}) {
        const QString file = m_dir.filePath(QStringLiteral("kept.") + QLatin1String(suffix));
        VyrTest::RecordingUiService ui;
        SavePage page;
        QVERIFY(page.save(file, edited));
        QCOMPARE(ui.messages().size(), 1);
        const VyrTest::UiMessage message = ui.lastMessage();
        QVERIFY2(message.text.startsWith(QStringLiteral("Edid saved to ") + file),
                 qPrintable(message.text));
        // Never a plain "saved" for a file that holds fewer blocks than it announces.
        QCOMPARE(message.icon,
                 longer ? VyrUiService::Icon::Warning : VyrUiService::Icon::Information);
        QCOMPARE(message.text.contains(QLatin1String("not written")), longer);

        const QByteArray read = readBack(file);
        QCOMPARE(read.left(expected.size()), expected);
        QCOMPARE(read.mid(expected.size()), QByteArray(512 - expected.size(), '\0'));
        if (QLatin1String(suffix) == QLatin1String("bin"))
            QCOMPARE(VyrTest::readFile(file), expected);
    }

    // Checksums: right, but in an untouched block that came with a wrong one.
    for (int i = 0; i < expected.size() / Block; ++i) {
        QVERIFY2(VyrTest::checksumOk(blockAt(expected, i))
                     || (i > 0 && i <= kept.size()
                         && !VyrTest::checksumOk(shown, kept.at(i - 1) * Block)),
                 qPrintable(QStringLiteral("block %1").arg(i)));
    }
    if (!VyrTest::haveEdidDecode())
        QSKIP("edid-decode is not installed");
    const QString after = VyrTest::edidDecode(expected, {QStringLiteral("-c")});
    const QStringList countBefore = countFailures(before);
    const QStringList countAfter = countFailures(after);
    // The block count holds, unless the EDID is longer than the image and says so already.
    QCOMPARE(countAfter.isEmpty(), countBefore.isEmpty() || !longer);
    // A DisplayID section behind a removed one is read differently (the removed section was
    // the base of the DisplayID structure the later one extends); every other block the same.
    const auto tag = [&shown](int block) { return quint8(shown.at(block * Block)); };
    for (int i = 1; i <= kept.size(); ++i) {
        const int was = kept.at(i - 1);
        if (action == int(Action::Remove) && was > target && tag(was) == 0x70
            && tag(target) == 0x70)
            continue;
        QCOMPARE(VyrTest::reportBlockLines(after, i), VyrTest::reportBlockLines(before, was));
    }
}

QTEST_MAIN(tst_KeptBlocks)
#include "tst_keptblocks.moc"
