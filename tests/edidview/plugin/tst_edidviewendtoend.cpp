#include "appsettingsdialog.h"
#include "connectwarninghandler.h"
#include "display.h"
#include "fwinterface.h"
#include "mainwindow.h"
#include "modalboxcloser.h"
#include "noxtestsupport.h"
#include "plugininfo.h"
#include "recordinguiservice.h"
#include "userinput.h"
#include "vyrdevice.h"
#include "vyrdevicemanager.h"
#include "vyrsystemmanager.h"
#include "vyrtestutil.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

// The display of the machine file whose EDID the user edits: one EDID 1.4 block.
const QString DisplayName = QStringLiteral("Lab Panel");
const QString Fixture = QStringLiteral("edid14-digital-auo623d-3.bin");
const QStringList YearRow{"Base Block", "General Info", "YearIfManuf"};

// Stands between the main window and a plug-in's FwInterface: passes every call on and counts
// the shut-downs.
class ShutDownCounter : public FwInterface
{
public:
    explicit ShutDownCounter(FwInterface *plugin)
        : m_plugin(plugin)
    {}

    qint32 GetInterfaceVersion() override { return m_plugin->GetInterfaceVersion(); }
    void initPlugin(WorkSpaceLayout *layout) override { m_plugin->initPlugin(layout); }
    void unInitPlugin() override
    {
        ++calls;
        m_plugin->unInitPlugin();
    }
    quint32 getPriority() const override { return m_plugin->getPriority(); }
    QStringList pluginInfo() const override { return m_plugin->pluginInfo(); }
    void setAppLogger(AppLoggerInfo info) override { m_plugin->setAppLogger(info); }
    QList<PluginComponentInfo> getComponentInfoList() override
    {
        return m_plugin->getComponentInfoList();
    }
    void SetSettings(AppSettings *settings) override { m_plugin->SetSettings(settings); }
    void populateSettings(QTreeWidget *tree, QStackedWidget *pages, QString owner) override
    {
        m_plugin->populateSettings(tree, pages, owner);
    }
    void saveSettings(QString owner) override { m_plugin->saveSettings(owner); }

    int calls = 0;

private:
    FwInterface *m_plugin;
};

// The widget of the class (by its meta-object's name: the plug-in's own classes are not this
// test's) below root; the first one whose children include a radio button with radioText when
// that is given.
QWidget *widgetOfClass(const QWidget *root, const char *className, const QString &radioText = {})
{
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (qstrcmp(widget->metaObject()->className(), className) != 0)
            continue;
        if (radioText.isEmpty())
            return widget;
        for (QRadioButton *radio : widget->findChildren<QRadioButton *>()) {
            if (radio->text() == radioText)
                return widget;
        }
    }
    return nullptr;
}

QStringList childTitles(QTreeWidgetItem *item)
{
    QStringList titles;
    for (int i = 0; item && i < item->childCount(); ++i)
        titles << item->child(i)->text(0);
    return titles;
}

QStringList hexCells(const QTableWidget *hex)
{
    QStringList cells;
    for (int i = 0; i < hex->rowCount() * hex->columnCount(); ++i)
        cells << VyrTest::cellText(hex, i);
    return cells;
}

} // namespace

// The main road through the real program in this process: the main window loads both plug-ins
// from plugins/ beside the test, the driver bridge binds the simulated driver (machine
// data/loadsave.json), and the user loads a display's EDID, edits it in the EDID tree and
// saves it to a file, then closes the window.
class tst_EdidViewEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void loadEditSaveAndClose();

private:
    QPushButton *navigationButton(const QString &caption) const;
    bool click(const QString &caption) const;
    QString title() const;

    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<VyrTest::RecordingUiService> m_ui;
    QWidget *m_page = nullptr; // the EDID view's workspace
};

void tst_EdidViewEndToEnd::initTestCase()
{
    VyrTest::installConnectWarningHandler();
    qputenv("VYRSIM_NOX_MACHINE", VYR_EDIDVIEW_TEST_DATA "/loadsave.json");
    QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/vyredidutility.ini"));
    m_ui = std::make_unique<VyrTest::RecordingUiService>();
}

void tst_EdidViewEndToEnd::cleanupTestCase()
{
    m_window.reset();
    m_ui.reset();
    VyrTest::uninstallConnectWarningHandler();
}

QPushButton *tst_EdidViewEndToEnd::navigationButton(const QString &caption) const
{
    for (QPushButton *button : m_page->findChildren<QPushButton *>()) {
        if (button->isVisible() && button->text() == caption)
            return button;
    }
    return nullptr;
}

bool tst_EdidViewEndToEnd::click(const QString &caption) const
{
    QPushButton *button = navigationButton(caption);
    if (!button) {
        qWarning("no visible button \"%s\"", qPrintable(caption));
        return false;
    }
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

QString tst_EdidViewEndToEnd::title() const
{
    const QList<QLabel *> labels = m_page->findChildren<QLabel *>();
    for (const QString &text : {QStringLiteral("Load EDID From Device"),
                                QStringLiteral("View EDID"), QStringLiteral("Save EDID to File")}) {
        for (QLabel *label : labels) {
            if (label->isVisible() && label->text() == text)
                return text;
        }
    }
    return QString();
}

void tst_EdidViewEndToEnd::loadEditSaveAndClose()
{
    m_window = std::make_unique<MainWindow>(QStringList(QStringLiteral("tst_edidviewendtoend")));
    m_window->resize(1200, 900);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QVERIFY(m_window->InitializeComponents(nullptr));
    QCOMPARE(m_window->plugins().size(), 2);
    QList<std::shared_ptr<ShutDownCounter>> counters;
    for (PluginInfo *plugin : m_window->plugins()) {
        QVERIFY(plugin->item->fwInterface);
        counters << std::make_shared<ShutDownCounter>(plugin->item->fwInterface);
        plugin->item->fwInterface = counters.last().get();
    }

    // Plugins > Display EDID Tool > "View EDID" shows the workspace on its load page.
    QAction *viewEdid = nullptr;
    for (QAction *entry : m_window->workSpaceLayout()->pluginMenu->actions()) {
        if (entry->text() != QLatin1String("Display EDID Tool") || !entry->menu())
            continue;
        for (QAction *action : entry->menu()->actions()) {
            if (action->text() == QLatin1String("View EDID"))
                viewEdid = action;
        }
    }
    QVERIFY(viewEdid);
    viewEdid->trigger();
    QWidget *loadForm =
        widgetOfClass(m_window.get(), "EdidLoadSaveForm", QStringLiteral("Load EDID from Display"));
    QWidget *saveForm =
        widgetOfClass(m_window.get(), "EdidLoadSaveForm", QStringLiteral("Override display EDID"));
    QWidget *viewForm = widgetOfClass(m_window.get(), "VyrEdidViewForm");
    QVERIFY(loadForm && saveForm && viewForm);
    m_page = loadForm->parentWidget()->parentWidget();
    QVERIFY(loadForm->isVisible());
    QCOMPARE(title(), QStringLiteral("Load EDID From Device"));

    // The user picks the display in the device tree; "View" shows its EDID.
    auto *devices = loadForm->findChild<QTreeWidget *>();
    QVERIFY(devices);
    QTreeWidgetItem *display = nullptr;
    for (QTreeWidgetItemIterator it(devices); *it; ++it) {
        if ((*it)->text(0).startsWith(DisplayName + QLatin1Char(' ')))
            display = *it;
    }
    QVERIFY2(display, "the display is listed by its name");
    devices->scrollToItem(display);
    QTest::mouseClick(devices->viewport(), Qt::LeftButton, Qt::NoModifier,
                      devices->visualItemRect(display).center());
    QCOMPARE(devices->currentItem(), display);
    QVERIFY(click(QStringLiteral("View")));
    QCOMPARE(title(), QStringLiteral("View EDID"));

    auto *tree = viewForm->findChild<QTreeWidget *>();
    auto *hex = viewForm->findChild<QTableWidget *>();
    QVERIFY(tree && hex);
    QTreeWidgetItem *root = tree->topLevelItem(0);
    QVERIFY(root);
    QCOMPARE(root->text(0), QStringLiteral("EDID 1.4"));
    QCOMPARE(
        childTitles(VyrTest::treeRow(root, {"Base Block"})),
        QStringList({"Header", "General Info", "Basic Params Info", "Color Characteristics Info",
                     "Established Timings Info", "Standard Timings Info", "Descriptors"}));
    QCOMPARE(hex->rowCount(), 32);
    QCOMPARE(hex->columnCount(), 16);
    const QByteArray fixture = VyrTest::readSample(Fixture);
    QCOMPARE(VyrTest::cellText(hex, 0), QStringLiteral("00"));
    QCOMPARE(VyrTest::cellText(hex, 17), QString::asprintf("%02X", quint8(fixture[17])));

    // "Header" highlights row 0, columns 0 to 7.
    tree->setCurrentItem(VyrTest::treeRow(root, {"Base Block", "Header"}));
    QCOMPARE(VyrTest::selectedCells(hex), QList<int>({0, 1, 2, 3, 4, 5, 6, 7}));

    // A new year of manufacture, confirmed with Enter, changes byte 17 and the checksum, both in
    // the hex view, and nothing else.
    QTreeWidgetItem *yearRow = VyrTest::treeRow(root, YearRow);
    QVERIFY(yearRow);
    tree->scrollToItem(yearRow);
    QCoreApplication::processEvents();
    auto *year = qobject_cast<QLineEdit *>(tree->itemWidget(yearRow, 1));
    QVERIFY(year);
    const QStringList before = hexCells(hex);
    year->setFocus(Qt::MouseFocusReason);
    VyrTest::typeAndConfirm(year, QStringLiteral("2016"));
    QByteArray edited = fixture;
    edited[17] = static_cast<char>(2016 - 1990);
    edited[127] = static_cast<char>(fixture[127] + fixture[17] - edited[17]);
    const QStringList after = hexCells(hex);
    QList<int> changed;
    for (int i = 0; i < after.size(); ++i) {
        if (after.at(i) != before.at(i))
            changed << i;
    }
    QCOMPARE(changed, QList<int>({17, 127}));
    QCOMPARE(after.at(17), QStringLiteral("1A"));
    QCOMPARE(after.at(127), QString::asprintf("%02X", quint8(edited[127])));

    // "Save", back to "View" and "Save" again: the edit stays.
    QVERIFY(click(QStringLiteral("Save")));
    QCOMPARE(title(), QStringLiteral("Save EDID to File"));
    QVERIFY(click(QStringLiteral("View")));
    QCOMPARE(title(), QStringLiteral("View EDID"));
    root = tree->topLevelItem(0);
    yearRow = VyrTest::treeRow(root, YearRow);
    QVERIFY(yearRow);
    year = qobject_cast<QLineEdit *>(tree->itemWidget(yearRow, 1));
    QVERIFY(year);
    QCOMPARE(year->text(), QStringLiteral("2016"));
    QCOMPARE(hexCells(hex), after);
    QVERIFY(click(QStringLiteral("Save")));

    // The name typed into the name field, then the last step's "Save".
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("lab panel.bin"));
    auto *name = saveForm->findChild<QLineEdit *>(QStringLiteral("lineEditFileName"));
    QVERIFY(name && name->isVisible());
    name->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(name, file);
    // The simulated driver the program bound: the one beside it.
    NoxTest::SimLibrary sim(QCoreApplication::applicationDirPath()
                            + QStringLiteral("/libwexnoxxx.so"));
    QVERIFY(sim.loaded);
    sim.clearCalls();
    m_ui->clear();
    QVERIFY(click(QStringLiteral("Save")));
    QCOMPARE(m_ui->messageLines(), QStringList("Save Edid binary file|Edid saved to " + file));
    QCOMPARE(VyrTest::readFile(file), edited);
    QVERIFY(VyrTest::edidDecodeChecksumsOk(edited));

    // No override went to the driver; the display still reads its own EDID.
    for (const VyrSimCall &call : sim.callRecords())
        QVERIFY2(call.code != 0x130032u, "no EDID override is sent");
    VyrDeviceManager *manager = m_window->systemManager()->localDeviceManager();
    VyrDisplay *panel = nullptr;
    for (VyrDevice *device : manager->devices()) {
        for (VyrDisplay *candidate : device->displays()) {
            if (candidate->name() == DisplayName)
                panel = candidate;
        }
    }
    QVERIFY(panel);
    QVERIFY(panel->UpdateEdid());
    QVERIFY(sim.calls().contains(QStringLiteral("NOX_Display_EdidData_Get")));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(panel->edid()), fixture.size()), fixture);
    QCOMPARE(m_ui->messages().size(), 1);

    // Settings > Application Settings lists the shell's branch and then the driver bridge's
    // pages; Cancel closes it.
    QStringList settingsTopLevel;
    {
        VyrTest::ModalBoxCloser closer;
        closer.setAcceptDialogs(false);
        closer.setHandler([&settingsTopLevel](QWidget *box) {
            auto *dialog = qobject_cast<AppSettingsDialog *>(box);
            if (!dialog)
                return;
            QTreeWidget *settings = dialog->settingTree();
            for (int i = 0; i < settings->topLevelItemCount(); ++i)
                settingsTopLevel << settings->topLevelItem(i)->text(0);
        });
        m_window->workSpaceLayout()->settingsMenu->actions().at(0)->trigger();
    }
    QCOMPARE(settingsTopLevel.mid(0, 2),
             QStringList({"Application Settings", "Device Configuration"}));

    // Closing the window shuts each plug-in down once and ends the event loop.
    QTimer::singleShot(0, m_window.get(), &QWidget::close);
    QTimer::singleShot(20000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(m_window->isShutDown());
    for (const auto &counter : counters)
        QCOMPARE(counter->calls, 1);
    m_window.reset();
}

QTEST_MAIN(tst_EdidViewEndToEnd)
#include "tst_edidviewendtoend.moc"
