#include "adapter.h"
#include "connectwarninghandler.h"
#include "fixturepluginbase.h"
#include "fwdevicemanagerexportinterface.h"
#include "mainwindow.h"
#include "plugininfo.h"
#include "recordinguiservice.h"
#include "vyradapteritem.h"
#include "vyrbranch.h"
#include "vyrbranchitem.h"
#include "vyrdevice.h"
#include "vyrdeviceitem.h"
#include "vyrdevicemanager.h"
#include "vyrdisplayitem.h"
#include "vyrsystemitem.h"
#include "vyrsystemmanager.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include <memory>

// The driver bridge plug-in loaded by the program's main window from plugins/, beside a
// fixture plug-in that imports the device model and records what reaches it in the log.
class tst_DriverBridgeHost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void importerReceivesTheSystemManager();
    void selectionReachesTheImporter_data();
    void selectionReachesTheImporter();
    void refreshActionReachesTheImporter();
    void libVersionActionAsksForADriverFile();

private:
    int logCount(const QString &text) const;
    QAction *bridgeAction(const QString &text) const;
    VyrDeviceManager *deviceManager() const;

    std::unique_ptr<MainWindow> m_window;
    QObject *m_bridge = nullptr;
    FwDeviceManagerExportInterface *m_export = nullptr;
};

void tst_DriverBridgeHost::initTestCase()
{
    // The plug-in connects to the main window's signals by name.
    VyrTest::installConnectWarningHandler();
    QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/vyredidutility.ini"));
    m_window = std::make_unique<MainWindow>(QStringList(QStringLiteral("tst_driverbridgehost")));
    QVERIFY(m_window->InitializeComponents(nullptr));

    QCOMPARE(m_window->plugins().size(), 2);
    const PluginItem *first = m_window->plugins().first()->item.get();
    QVERIFY2(first->exportInterface, "the driver bridge is initialised first");
    QVERIFY(!first->importInterface && !first->fileInterface);
    m_bridge = first->rootObject;
    m_export = first->exportInterface;
}

void tst_DriverBridgeHost::cleanupTestCase()
{
    m_window.reset();
    VyrTest::uninstallConnectWarningHandler();
}

int tst_DriverBridgeHost::logCount(const QString &text) const
{
    return m_window->logWindow()->toPlainText().count(text);
}

QAction *tst_DriverBridgeHost::bridgeAction(const QString &text) const
{
    for (QAction *entry : m_window->workSpaceLayout()->pluginMenu->actions()) {
        if (entry->text() != QLatin1String("Driver Bridge") || !entry->menu())
            continue;
        for (QAction *action : entry->menu()->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

VyrDeviceManager *tst_DriverBridgeHost::deviceManager() const
{
    return m_export->getDeviceManager();
}

void tst_DriverBridgeHost::importerReceivesTheSystemManager()
{
    VyrSystemManager *system = m_export->getSystemManager();
    QVERIFY(system);
    QCOMPARE(m_window->systemManager(), system);
    QCOMPARE(system->localDeviceManager(), deviceManager());
    QCOMPARE(logCount(QStringLiteral("fixture logreader: setSystemManager ")
                      + FixturePluginBase::pointerText(system)),
             1);
}

void tst_DriverBridgeHost::selectionReachesTheImporter_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("selected"); // the field of the record set afterwards

    QTest::newRow("system item") << "system"
                                 << "";
    QTest::newRow("device item") << "device"
                                 << "device";
    QTest::newRow("adapter item") << "adapter"
                                  << "adapter";
    QTest::newRow("display item") << "display"
                                  << "display";
    QTest::newRow("branch item") << "branch"
                                 << "branch";
    QTest::newRow("device item without a device") << "empty device"
                                                  << "";
    QTest::newRow("plain item of the display type") << "plain display"
                                                    << "";
    QTest::newRow("item of no device type") << "other"
                                            << "";
}

void tst_DriverBridgeHost::selectionReachesTheImporter()
{
    QFETCH(QString, kind);
    QFETCH(QString, selected);

    VyrDeviceManager *manager = deviceManager();
    VyrDevice *device = manager->getVyrDevice(0);
    QVERIFY(device && !device->adapters().isEmpty() && !device->displays().isEmpty());
    Adapter *adapter = device->adapters().first();
    VyrDisplay *display = device->displays().first();
    VyrBranch branch;

    std::unique_ptr<QTreeWidgetItem> item;
    if (kind == QLatin1String("system"))
        item = std::make_unique<VyrSystemItem>(manager);
    else if (kind == QLatin1String("device"))
        item = std::make_unique<VyrDeviceItem>(device, manager);
    else if (kind == QLatin1String("adapter"))
        item = std::make_unique<VyrAdapterItem>(manager, device, adapter);
    else if (kind == QLatin1String("display"))
        item = std::make_unique<VyrDisplayItem>(manager, device, display);
    else if (kind == QLatin1String("branch"))
        item = std::make_unique<VyrBranchItem>(manager, device, &branch);
    else if (kind == QLatin1String("empty device"))
        item = std::make_unique<VyrDeviceItem>(nullptr, manager);
    else if (kind == QLatin1String("plain display"))
        item = std::make_unique<QTreeWidgetItem>(int(VyrDisplayItem::Type));
    else
        item = std::make_unique<QTreeWidgetItem>(QTreeWidgetItem::UserType);

    // Whatever was selected before is replaced.
    manager->selection() = {device, adapter, display, &branch};
    const QString received = QStringLiteral("fixture logreader: onDeviceSelected");
    const int before = logCount(received);
    QVERIFY(QMetaObject::invokeMethod(m_bridge, "updateSelected", Qt::DirectConnection,
                                      Q_ARG(QTreeWidgetItem *, item.get())));
    QCOMPARE(logCount(received), before + 1);

    const VyrDeviceSelection &record = manager->selection();
    QCOMPARE(record.device, selected == QLatin1String("device") ? device : nullptr);
    QCOMPARE(record.adapter, selected == QLatin1String("adapter") ? adapter : nullptr);
    QCOMPARE(record.display, selected == QLatin1String("display") ? display : nullptr);
    QCOMPARE(record.branch, selected == QLatin1String("branch") ? &branch : nullptr);
    manager->selection() = VyrDeviceSelection();
}

void tst_DriverBridgeHost::refreshActionReachesTheImporter()
{
    QAction *refresh = bridgeAction(QStringLiteral("&Refresh Configuration"));
    QVERIFY(refresh);
    QSignalSpy rebuilt(deviceManager(), &VyrDeviceManager::configurationChangedSignal);
    const QString received = QStringLiteral("fixture logreader: onUpdateDeviceData");
    const int before = logCount(received);
    refresh->trigger();
    QCOMPARE(rebuilt.count(), 1);
    QCOMPARE(logCount(received), before + 1);
    QCOMPARE(deviceManager()->GetNumberOfDevices(), 2);
}

void tst_DriverBridgeHost::libVersionActionAsksForADriverFile()
{
    QAction *versions = bridgeAction(QStringLiteral("&Lib Version Info"));
    QVERIFY(versions);
    VyrTest::RecordingUiService ui;
    versions->trigger();
    QCOMPARE(ui.fileRequests().size(), 1);
    QCOMPARE(ui.fileRequests().first().caption, QStringLiteral("Open Driver File"));
    QVERIFY(ui.messages().isEmpty());
}

QTEST_MAIN(tst_DriverBridgeHost)
#include "tst_driverbridgehost.moc"
