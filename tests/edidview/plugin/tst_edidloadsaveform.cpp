#include "adapter.h"
#include "connectwarninghandler.h"
#include "devicetreetestsupport.h"
#include "display.h"
#include "files/edidregfile.h"
#include "noxtestsupport.h"
#include "plugin/edidloadsaveform.h"
#include "plugin/vyrdeviceselecttree.h"
#include "plugin/vyrdeviceselectwidget.h"
#include "recordinguiservice.h"
#include "userinput.h"
#include "vyrdevice.h"
#include "vyrtestutil.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <cstring>

using DeviceTreeTest::findItem;
using DeviceTreeTest::Model;

namespace {

const QString Panel = QStringLiteral("edid14-digital-auo623d-3.bin"); // EDID 1.4, 128 bytes
const QString Monitor = QStringLiteral("cta-basic-dela0a4-1.bin");    // EDID 1.3 + CTA-861
const QString FilesDir = QStringLiteral(VYR_TEST_DATA_DIR "/edidfiles/");
// What a refused name is told after the reason.
const QString Suffixes = QStringLiteral("The suffix of the file name chooses the file format: "
                                        ".bin, .txt, .inf or .reg, in lower case.");
const QString SaveFilter =
    QStringLiteral("EDID binary files(*.bin);;EDID text tiles (*.txt);;EDID "
                   "inf files (*.inf);;EDID reg files (*.reg);;All files (*)");

QByteArray padded(const QByteArray &bytes)
{
    return bytes + QByteArray(EdidLoadSaveForm::ImageSize - bytes.size(), '\0');
}

QByteArray imageOf(EdidLoadSaveForm &form)
{
    return QByteArray(reinterpret_cast<const char *>(form.image()), EdidLoadSaveForm::ImageSize);
}

// A form of either mode over the machine of the load/save tests.
struct Page
{
    explicit Page(bool load, const QString &machine = QStringLiteral("loadsave.json"))
        : model(machine)
        , form(load)
    {
        form.resize(600, 400);
        form.SetSystemManager(model.system.get());
    }

    template <typename W> W *child(const char *name) const
    {
        return form.findChild<W *>(QLatin1String(name));
    }
    QLineEdit *fileName() const { return child<QLineEdit>("lineEditFileName"); }
    QComboBox *signalType() const { return child<QComboBox>("signalTypeSelect"); }
    QComboBox *displays() const { return child<QComboBox>("displaySelect"); }
    bool shown(QWidget *widget) const { return widget->isVisibleTo(&form); }

    // Saves the image through the name field, as "Save" on the save page does.
    bool save(const QString &name, const QByteArray &bytes)
    {
        fileName()->setText(name);
        QByteArray image = padded(bytes);
        return form.SaveOrOverrideEdid(reinterpret_cast<unsigned char *>(image.data()),
                                       bytes.size());
    }

    // Picks the display item with the text in the form's device tree.
    bool pick(const QString &text) const
    {
        QTreeWidget *tree = form.deviceSelectWidget()->tree();
        QTreeWidgetItem *item = findItem(tree, text);
        if (item)
            tree->setCurrentItem(item);
        return item != nullptr;
    }

    Model model;
    EdidLoadSaveForm form;
};

} // namespace

// The load/save form: its two pages, loading an EDID from a file of each format and saving one
// in each format through the form's own operations, the registry choice of the save page, and
// the EDID override of a display through the simulated driver.
class tst_EdidLoadSaveForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void pagesByMode_data();
    void pagesByMode();
    void loadFromFile_data();
    void loadFromFile();
    void saveToFile_data();
    void saveToFile();
    void savedFilesLoadBack_data();
    void savedFilesLoadBack();
    void registryChoiceFollowsTheName();
    void registryFileNamesTheChosenDisplay_data();
    void registryFileNamesTheChosenDisplay();
    void registryFileWithoutDisplay();
    void fileDialogs();
    void saveDialog_data();
    void saveDialog();
    void overrideReachesTheDriver();
    void overrideFailures_data();
    void overrideFailures();

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
};

void tst_EdidLoadSaveForm::initTestCase()
{
    VyrTest::installConnectWarningHandler();
    QVERIFY(m_dir.isValid());
}

void tst_EdidLoadSaveForm::cleanupTestCase()
{
    VyrTest::uninstallConnectWarningHandler();
}

void tst_EdidLoadSaveForm::init()
{
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
}

void tst_EdidLoadSaveForm::pagesByMode_data()
{
    QTest::addColumn<bool>("load");
    QTest::addColumn<QString>("fileText");
    QTest::addColumn<QString>("displayText");
    QTest::newRow("load page") << true << "Load EDID from File"
                               << "Load EDID from Display";
    QTest::newRow("save page") << false << "Save EDID to file"
                               << "Override display EDID";
}

void tst_EdidLoadSaveForm::pagesByMode()
{
    QFETCH(bool, load);
    QFETCH(QString, fileText);
    QFETCH(QString, displayText);

    Page page(load);
    page.form.show();
    QCOMPARE(page.form.objectName(), QStringLiteral("EdidLoadSaveForm"));
    QCOMPARE(page.form.isDisplayOption(), load);
    auto *fileButton = page.child<QRadioButton>("radioButton_File");
    auto *displayButton = page.child<QRadioButton>("radioButtonFromDisplay");
    QCOMPARE(fileButton->text(), fileText);
    QCOMPARE(displayButton->text(), displayText);
    QVERIFY(!page.shown(fileButton) && !page.shown(displayButton));
    QCOMPARE(page.child<QLabel>("label_saveas")->text(), QStringLiteral("Save As:"));

    // Load: the device tree only; save: the name line only. The registry lists wait for a
    // ".reg" name.
    QCOMPARE(page.shown(page.form.deviceSelectWidget()), load);
    for (QWidget *file : {static_cast<QWidget *>(page.child<QLabel>("label_saveas")),
                          static_cast<QWidget *>(page.fileName()),
                          static_cast<QWidget *>(page.child<QToolButton>("btnLoadSave"))})
        QCOMPARE(page.shown(file), !load);
    QVERIFY(!page.shown(page.signalType()) && !page.shown(page.displays()));

    // The other option swaps what is shown.
    page.form.onLoadOptionChanged(!load);
    QCOMPARE(page.form.isDisplayOption(), !load);
    QCOMPARE(page.shown(page.form.deviceSelectWidget()), !load);
    QCOMPARE(page.shown(page.fileName()), load);
}

void tst_EdidLoadSaveForm::loadFromFile_data()
{
    QTest::addColumn<QString>("file");     // in the test data, or a name in the temporary folder
    QTest::addColumn<bool>("loaded");      // GetEdid answers the image
    QTest::addColumn<QString>("sample");   // the bytes expected in the image (empty: none)
    QTest::addColumn<QString>("messages"); // "title|text" lines shown

    const QString open = QStringLiteral("Failed to open file|Open Edid file");
    QTest::newRow("bin") << "edid-samples/" + Panel << true << Panel << "";
    QTest::newRow("txt") << "edidfiles/edid13-cea-dela0a4-256.txt" << true << Monitor << "";
    QTest::newRow("inf") << "edidfiles/edid14-cea-del41d9.inf" << true << "cta-hdr-del41d9-3.bin"
                         << "";
    QTest::newRow("reg") << "edidfiles/edid13-cea-dela0a4-dev0-a2.reg" << true << Monitor << "";
    QTest::newRow("registry editor export")
        << "edidfiles/regedit-export-d0-a2.reg" << true << Monitor << "";
    QTest::newRow("missing bin") << "missing.bin" << false << "" << open;
    QTest::newRow("missing reg") << "missing.reg" << false << ""
                                 << "Open Edid file|Failed to open file";
    QTest::newRow("suffix in capitals") << "edid.BIN" << false << ""
                                        << "";
    QTest::newRow("no suffix") << "edid" << false << ""
                               << "";
    QTest::newRow("empty name") << "" << true << ""
                                << "";
}

void tst_EdidLoadSaveForm::loadFromFile()
{
    QFETCH(QString, file);
    QFETCH(bool, loaded);
    QFETCH(QString, sample);
    QFETCH(QString, messages);

    VyrTest::RecordingUiService ui;
    Page page(true);
    page.form.onLoadOptionChanged(false);
    if (file.contains(QLatin1Char('/')))
        file = QStringLiteral(VYR_TEST_DATA_DIR "/") + file;
    else if (!file.isEmpty())
        file = path(file);
    if (file.endsWith(QLatin1String(".BIN")))
        QVERIFY(QFile::copy(QStringLiteral(VYR_TEST_DATA_DIR "/edid-samples/") + Panel, file));
    page.fileName()->setText(file);
    // Whatever the image held before is gone.
    std::memset(page.form.image(), 0xAA, EdidLoadSaveForm::ImageSize);

    unsigned char *image = page.form.GetEdid();
    QCOMPARE(image != nullptr, loaded);
    QCOMPARE(ui.messageLines().join(QLatin1Char('\n')), messages);
    const QByteArray expected = sample.isEmpty() ? QByteArray() : VyrTest::readSample(sample);
    QCOMPARE(imageOf(page.form), padded(expected));
    if (image)
        QCOMPARE(image, page.form.image());
}

void tst_EdidLoadSaveForm::saveToFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sample"); // empty: an image without any block
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("golden"); // the file expected, in tests/data (empty: not compared)
    QTest::addColumn<QString>("messages");

    const QString failed = QStringLiteral("Failed to save EDID to file|Override Display EDID");
    const QString noFormat =
        QStringLiteral("Failed to save EDID to file|\"%2\" has no suffix of an "
                       "EDID file format. ")
        + Suffixes;
    QTest::newRow("bin") << "out.bin" << Monitor << true << "edid-samples/" + Monitor
                         << "Save Edid binary file|Edid saved to %1";
    QTest::newRow("txt") << "out.txt" << Panel << true << "edidfiles/edid14-auo623d-128.txt"
                         << "Save Edid text file|Edid saved to %1";
    QTest::newRow("inf") << "out.inf"
                         << "cta-hdr-del41d9-3.bin" << true << ""
                         << "Save Edid text file|Edid saved to %1";
    QTest::newRow("suffix in capitals") << "out.TXT" << Panel << false << "" << noFormat;
    QTest::newRow("no suffix") << "out" << Panel << false << "" << noFormat;
    QTest::newRow("another suffix") << "out.edid" << Panel << false << "" << noFormat;
    QTest::newRow("no block recognised")
        << "out.bin"
        << "" << false << ""
        << "Invalid EDID|A valid EDID with at least 1 block was not found\n" + failed;
}

void tst_EdidLoadSaveForm::saveToFile()
{
    QFETCH(QString, name);
    QFETCH(QString, sample);
    QFETCH(bool, saved);
    QFETCH(QString, golden);
    QFETCH(QString, messages);

    VyrTest::RecordingUiService ui;
    Page page(false);
    const QByteArray bytes = sample.isEmpty() ? QByteArray(128, '\0') : VyrTest::readSample(sample);
    const QString file = path(name);
    // A file of that name is there already.
    const QByteArray before("keep me\n");
    QFile old(file);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(before);
    old.close();

    QCOMPARE(page.save(file, bytes), saved);
    QCOMPARE(
        ui.messageLines().join(QLatin1Char('\n')),
        QString(messages).replace(QStringLiteral("%1"), file).replace(QStringLiteral("%2"), name));
    if (!golden.isEmpty())
        QCOMPARE(VyrTest::readFile(file),
                 VyrTest::readFile(QStringLiteral(VYR_TEST_DATA_DIR "/") + golden));
    if (!saved)
        QCOMPARE(VyrTest::readFile(file), before); // a refused save leaves it as it was
    // The form keeps what it saved and the blocks it found in it.
    QCOMPARE(imageOf(page.form), padded(bytes));
    QCOMPARE(page.form.blockTable().coveredSize(),
             static_cast<quint32>(sample.isEmpty() ? 0 : bytes.size()));
}

void tst_EdidLoadSaveForm::savedFilesLoadBack_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"back.bin", "back.txt", "back.inf", "back.reg"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_EdidLoadSaveForm::savedFilesLoadBack()
{
    QFETCH(QString, name);

    // What the save page writes, the load page's file option reads back: the recognised blocks,
    // the rest of the image zero.
    VyrTest::RecordingUiService ui;
    Page save(false);
    QByteArray bytes = VyrTest::readSample(QStringLiteral("cta-hdr-del41d9-3.bin"));
    save.fileName()->setText(path(name));
    save.displays()->setCurrentIndex(1);
    QByteArray image = padded(bytes);
    image[300] = '\x5A'; // past the blocks: not saved
    QVERIFY(save.form.SaveOrOverrideEdid(reinterpret_cast<unsigned char *>(image.data()), 512));

    Page load(true);
    load.form.onLoadOptionChanged(false);
    load.fileName()->setText(path(name));
    QVERIFY(load.form.GetEdid());
    QCOMPARE(imageOf(load.form), padded(bytes));
    QCOMPARE(ui.messages().size(), 1); // the writer's
}

void tst_EdidLoadSaveForm::registryChoiceFollowsTheName()
{
    Page page(false);
    page.form.show();
    QVERIFY(!page.shown(page.signalType()));

    // Typed, not chosen in the dialog: the lists appear with the last letter of ".reg".
    page.fileName()->setFocus();
    QTest::keyClicks(page.fileName(), QStringLiteral("x.re"));
    QVERIFY(!page.shown(page.signalType()));
    QTest::keyClicks(page.fileName(), QStringLiteral("g"));
    QVERIFY(page.shown(page.signalType()) && page.shown(page.displays()));
    QStringList signalTypes;
    for (int i = 0; i < page.signalType()->count(); ++i)
        signalTypes << page.signalType()->itemText(i);
    QCOMPARE(signalTypes, QStringList({"Analog Signal", "Digital Signal"}));
    QStringList displays;
    for (int i = 0; i < page.displays()->count(); ++i)
        displays << page.displays()->itemText(i);
    QCOMPARE(displays, QStringList({"DEV[0] DISPLAY[0] Lab Panel", "DEV[0] DISPLAY[2] HDMI",
                                    "DEV[0] DISPLAY[3] Spare"}));
    QCOMPARE(page.form.regDisplays().size(), 3);
    QCOMPARE(page.form.regDisplays().at(1).displayIndex, 2u);

    // A choice made stays while the name changes and the display is still offered.
    VyrTest::chooseRow(page.displays(), 1);
    VyrTest::chooseRow(page.signalType(), 1);
    QTest::keyClick(page.fileName(), Qt::Key_Home);
    QTest::keyClicks(page.fileName(), QStringLiteral("new-"));
    QCOMPARE(page.fileName()->text(), QStringLiteral("new-x.reg"));
    QCOMPARE(page.displays()->currentIndex(), 1);
    QCOMPARE(page.signalType()->currentIndex(), 1);

    // Any other suffix hides them, the same in capitals too.
    for (const char *other : {"x.bin", "x.REG", "x.reg.txt"}) {
        page.fileName()->setText(QString::fromLatin1(other));
        QVERIFY2(!page.shown(page.signalType()) && !page.shown(page.displays()), other);
    }
    page.fileName()->setText(QStringLiteral("x.reg"));
    QVERIFY(page.shown(page.displays()));
    // The display option has no file name: no registry lists either.
    page.form.onLoadOptionChanged(true);
    QVERIFY(!page.shown(page.displays()));
}

void tst_EdidLoadSaveForm::registryFileNamesTheChosenDisplay_data()
{
    QTest::addColumn<int>("display");
    QTest::addColumn<int>("signalType");
    QTest::addColumn<QString>("value");
    QTest::newRow("display 2, analog") << 1 << 0 << "ZelkEmulatedEDID_A2";
    QTest::newRow("display 0, digital") << 0 << 1 << "ZelkEmulatedEDID_D0";
}

void tst_EdidLoadSaveForm::registryFileNamesTheChosenDisplay()
{
    QFETCH(int, display);
    QFETCH(int, signalType);
    QFETCH(QString, value);

    VyrTest::RecordingUiService ui;
    Page page(false);
    const QString file = path(QStringLiteral("emulated.reg"));
    page.fileName()->setText(file);
    page.displays()->setCurrentIndex(display);
    page.signalType()->setCurrentIndex(signalType);
    const QByteArray bytes = VyrTest::readSample(Monitor);
    QVERIFY(page.save(file, bytes));
    QCOMPARE(ui.messageLines(), QStringList("Save Edid registry file|Edid saved to " + file));

    // The key of the first adapter of device 0, the value named after the display.
    const QString key = QLatin1Char('[')
                        + page.model.manager()->devices().first()->adapters().first()->GetRegPath()
                        + QLatin1Char(']');
    const QStringList lines = QString::fromUtf8(VyrTest::readFile(file)).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(2), key);
    QVERIFY(lines.value(3).startsWith(QLatin1Char('"') + value + QStringLiteral("\"=hex:")));
    if (value == QLatin1String("ZelkEmulatedEDID_A2"))
        QCOMPARE(VyrTest::readFile(file),
                 VyrTest::readFile(FilesDir + QStringLiteral("edid13-cea-dela0a4-dev0-a2.reg")));
}

void tst_EdidLoadSaveForm::registryFileWithoutDisplay()
{
    // No device, no display to name the value after: refused before the file is made.
    VyrTest::RecordingUiService ui;
    Page page(false, QStringLiteral("nodevices.json"));
    const QString file = path(QStringLiteral("none.reg"));
    page.fileName()->setText(file);
    QCOMPARE(page.displays()->count(), 0);
    QVERIFY(!page.save(file, VyrTest::readSample(Monitor)));
    QCOMPARE(ui.messageLines(), QStringList({"Registry Value|No display to name the registry value",
                                             "Failed to save EDID to file|Override Display EDID"}));
    QVERIFY(!QFile::exists(file));

    // The display list follows the model the form is given.
    page.form.SetSystemManager(nullptr);
    QCOMPARE(page.signalType()->count(), 2);
    QCOMPARE(page.displays()->count(), 0);
    Model machine(QStringLiteral("loadsave.json"));
    page.form.SetSystemManager(machine.system.get());
    QCOMPARE(page.displays()->count(), 3);
}

void tst_EdidLoadSaveForm::fileDialogs()
{
    VyrTest::RecordingUiService ui;
    Page save(false);
    save.form.show();
    auto *button = save.child<QToolButton>("btnLoadSave");

    // The save page asks for a name to save under, in any format; the answer goes into the name
    // field.
    ui.setFileName(path(QStringLiteral("chosen.reg")));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(ui.fileRequests().size(), 1);
    QVERIFY(ui.fileRequests().last().save);
    QCOMPARE(ui.fileRequests().last().caption, QStringLiteral("Save EDID File"));
    QCOMPARE(ui.fileRequests().last().directory, QDir::currentPath());
    QCOMPARE(ui.fileRequests().last().filter, SaveFilter);
    QCOMPARE(save.fileName()->text(), path(QStringLiteral("chosen.reg")));
    QVERIFY(save.shown(save.displays()));
    // The same name again still refills the lists (the model may have changed meanwhile).
    save.displays()->clear();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(save.displays()->count(), 3);

    // Cancelled: the name stays, and so do the lists, refilled.
    ui.setFileName(QString());
    save.displays()->clear();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(save.fileName()->text(), path(QStringLiteral("chosen.reg")));
    QVERIFY(save.shown(save.displays()));
    QCOMPARE(save.displays()->count(), 3);
    // "Save" without a name says so.
    save.fileName()->clear();
    QByteArray image = padded(VyrTest::readSample(Panel));
    QVERIFY(!save.form.SaveOrOverrideEdid(reinterpret_cast<unsigned char *>(image.data()), 128));
    QCOMPARE(ui.messageLines(),
             QStringList("Failed to save EDID to file|No file name was given. " + Suffixes));

    // The load page asks for a file to open, of any of the four formats.
    Page load(true);
    load.form.onLoadOptionChanged(false);
    load.form.show();
    ui.setFileName(FilesDir + QStringLiteral("edid14-auo623d-128.txt"));
    QTest::mouseClick(load.child<QToolButton>("btnLoadSave"), Qt::LeftButton);
    QVERIFY(!ui.fileRequests().last().save);
    QCOMPARE(ui.fileRequests().last().caption, QStringLiteral("Open EDID File"));
    QCOMPARE(ui.fileRequests().last().filter,
             QStringLiteral("EDID binary files(*.bin);;EDID text tiles (*.txt);;EDID inf files "
                            "(*.inf);;EDID reg files (*.reg)"));
    QVERIFY(!load.shown(load.displays()));
    QVERIFY(load.form.GetEdid());
    QCOMPARE(imageOf(load.form), padded(VyrTest::readSample(Panel)));
}

void tst_EdidLoadSaveForm::saveDialog_data()
{
    QTest::addColumn<QString>("typed");  // in the name field before "..."
    QTest::addColumn<QString>("start");  // where the dialog opens
    QTest::addColumn<QString>("format"); // the entry it starts with
    QTest::addColumn<QString>("answer"); // the name given in the dialog; empty: cancelled
    QTest::addColumn<QString>("chosen"); // the entry chosen; empty: the one it started with
    QTest::addColumn<QString>("name");   // in the name field afterwards

    const QString bin = QStringLiteral("EDID binary files(*.bin)");
    const QString txt = QStringLiteral("EDID text tiles (*.txt)");
    const QString inf = QStringLiteral("EDID inf files (*.inf)");
    const QString reg = QStringLiteral("EDID reg files (*.reg)");
    const QString all = QStringLiteral("All files (*)");
    const QString cwd = QDir::currentPath();
    const QString dir = QStringLiteral("/srv/edid/");

    QTest::newRow("cancelled, the typed name stays")
        << dir + "panel.txt" << dir + "panel.txt" << txt << ""
        << "" << dir + "panel.txt";
    QTest::newRow("cancelled, nothing typed") << "" << cwd << bin << ""
                                              << ""
                                              << "";
    QTest::newRow("typed relative to the working folder")
        << "panel.inf" << cwd + "/panel.inf" << inf << ""
        << ""
        << "panel.inf";
    QTest::newRow("typed name of no format")
        << dir + "panel.TXT" << dir + "panel.TXT" << bin << dir + "panel.bin"
        << "" << dir + "panel.bin";
    QTest::newRow("suffix of the format kept")
        << dir + "panel.reg" << dir + "panel.reg" << reg << dir + "panel"
        << "" << dir + "panel.reg";
    QTest::newRow("suffix of the format chosen")
        << "" << cwd << bin << dir + "panel" << inf << dir + "panel.inf";
    QTest::newRow("a suffix given stays")
        << "" << cwd << bin << dir + "panel.txt" << bin << dir + "panel.txt";
    QTest::newRow("another suffix given stays")
        << "" << cwd << bin << dir + "panel.v2" << txt << dir + "panel.v2";
    QTest::newRow("all files adds nothing")
        << "" << cwd << bin << dir + "panel" << all << dir + "panel";
    QTest::newRow("dot in a folder name")
        << "" << cwd << bin << "/srv/edid.d/panel" << txt << "/srv/edid.d/panel.txt";
}

void tst_EdidLoadSaveForm::saveDialog()
{
    QFETCH(QString, typed);
    QFETCH(QString, start);
    QFETCH(QString, format);
    QFETCH(QString, answer);
    QFETCH(QString, chosen);
    QFETCH(QString, name);

    VyrTest::RecordingUiService ui;
    Page save(false);
    save.form.show();
    save.fileName()->setText(typed);
    ui.setFileName(answer);
    ui.setSelectedFilter(chosen);
    QTest::mouseClick(save.child<QToolButton>("btnLoadSave"), Qt::LeftButton);

    QCOMPARE(ui.fileRequests().size(), 1);
    const VyrTest::UiFileRequest request = ui.fileRequests().first();
    QVERIFY(request.save);
    QCOMPARE(request.filter, SaveFilter);
    QCOMPARE(request.directory, start);
    QCOMPARE(request.selectedFilter, format);
    QCOMPARE(save.fileName()->text(), name);
    // The registry lists follow the name in the field.
    QCOMPARE(save.shown(save.displays()), name.endsWith(QLatin1String(".reg")));
    QVERIFY(ui.messages().isEmpty());
}

void tst_EdidLoadSaveForm::overrideReachesTheDriver()
{
    VyrTest::RecordingUiService ui;
    Page page(false);
    page.form.onLoadOptionChanged(true);
    QVERIFY(page.pick(QStringLiteral("HDMI")));
    VyrDisplay *hdmi = page.model.display(2);
    QVERIFY(hdmi && hdmi->edid());

    // The panel's block, one year older, goes to the HDMI display.
    QByteArray image = padded(VyrTest::readSample(Panel));
    image[17] = static_cast<char>(image[17] - 1);
    image[127] = static_cast<char>(image[127] + 1);
    NoxTest::SimLibrary &sim = page.model.built.machine.sim;
    sim.clearCalls();
    QVERIFY(page.form.SaveOrOverrideEdid(reinterpret_cast<unsigned char *>(image.data()), 128));
    QVERIFY(ui.messages().isEmpty());

    // One escape 0x130032 for adapter 1, display 2, with the 524-byte payload
    // {524, 128, the bytes}.
    const QVector<VyrSimCall> calls = sim.callRecords();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().code, 0x130032u);
    const QByteArray frame = sim.frame();
    QCOMPARE(frame.size(), 16 + 524);
    QCOMPARE(NoxTest::word(frame, 8), 2u);
    QCOMPARE(NoxTest::word(frame, 16), 524u);
    QCOMPARE(NoxTest::word(frame, 20), 128u);
    QCOMPARE(frame.mid(24), image.left(128) + QByteArray(516 - 128, '\0'));

    // The display reads the new image from now on.
    QVERIFY(hdmi->UpdateEdid());
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(hdmi->edid()), 512),
             padded(image.left(128)));
}

void tst_EdidLoadSaveForm::overrideFailures_data()
{
    QTest::addColumn<QString>("machine");
    QTest::addColumn<QString>("pick");
    QTest::addColumn<bool>("nullImage");
    QTest::addColumn<bool>("driverRefuses");
    QTest::addColumn<QString>("message");

    const QString failed = QStringLiteral("Failed to override display EDID|Override Display EDID");
    QTest::newRow("no model") << ""
                              << "" << false << false << failed;
    QTest::newRow("no image") << "loadsave.json"
                              << "HDMI" << true << false << failed;
    QTest::newRow("no display selected")
        << "loadsave.json"
        << "GPU" << false << false << "Please Select Display Device|Override Display EDID";
    QTest::newRow("the driver refuses") << "loadsave.json"
                                        << "HDMI" << false << true << failed;
}

void tst_EdidLoadSaveForm::overrideFailures()
{
    QFETCH(QString, machine);
    QFETCH(QString, pick);
    QFETCH(bool, nullImage);
    QFETCH(bool, driverRefuses);
    QFETCH(QString, message);

    VyrTest::RecordingUiService ui;
    Page page(false, QStringLiteral("loadsave.json"));
    if (machine.isEmpty())
        page.form.SetSystemManager(nullptr);
    page.form.onLoadOptionChanged(true);
    if (!pick.isEmpty())
        QVERIFY(page.pick(pick));
    if (driverRefuses)
        page.model.built.machine.sim.fail("Send", 1, NOX_ERR);
    QByteArray image = padded(VyrTest::readSample(Panel));
    QVERIFY(!page.form.SaveOrOverrideEdid(
        nullImage ? nullptr : reinterpret_cast<unsigned char *>(image.data()), 128));
    QCOMPARE(ui.messageLines(), QStringList(message));

    // The display keeps its EDID.
    VyrDisplay *hdmi = page.model.display(2);
    const QByteArray edid(reinterpret_cast<const char *>(hdmi->edid()), 512);
    QVERIFY(hdmi->UpdateEdid());
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(hdmi->edid()), 512), edid);
}

QTEST_MAIN(tst_EdidLoadSaveForm)
#include "tst_edidloadsaveform.moc"
