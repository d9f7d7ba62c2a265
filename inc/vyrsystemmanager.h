#pragma once

#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>

class VyrDeviceManager;
struct AppLoggerInfo;

// The process's list of device managers and which one is selected. The local device
// manager (the last one of kind 0 added) cannot be removed. The managers belong to
// whoever created them; the system manager deletes only those it removes.
class VyrSystemManager : public QObject
{
    Q_OBJECT

public:
    explicit VyrSystemManager(AppLoggerInfo *logger, QObject *parent = nullptr);
    ~VyrSystemManager() override;

    VyrSystemManager(const VyrSystemManager &) = delete;
    VyrSystemManager &operator=(const VyrSystemManager &) = delete;

    // Appends the manager (false when it is listed already); the first local manager
    // added is also selected when nothing is.
    bool AddDeviceManager(VyrDeviceManager *manager);
    bool isDeviceManagerExists(VyrDeviceManager *manager) const;
    // Position in the list; -1 for null or a manager that is not listed.
    int GetDeviceManagerIndex(VyrDeviceManager *manager) const;
    // The manager at index; null when there is none.
    VyrDeviceManager *GetDeviceManager(int index) const;
    // The selected manager; null when none is selected or the selection points past
    // the end of the list.
    VyrDeviceManager *GetSelectedDeviceManager() const;
    bool SelectDeviceManager(VyrDeviceManager *manager);
    bool SelectDeviceManagerByIndex(int index);
    // Deletes and removes the manager at index; never the local manager.
    bool RemoveDeviceManagerByIndex(int index);
    // Installs a driver through the device-control tool; false while there is none.
    Q_INVOKABLE bool InstallDeviceDriver(QString &fileName);

    const QList<VyrDeviceManager *> &deviceManagers() const { return m_managers; }
    int count() const { return m_managers.size(); }
    int selectedIndex() const { return m_selected; }
    VyrDeviceManager *localDeviceManager() const { return m_local; }
    QString lastErrorText() const { return m_lastError; }

signals:
    void deviceManagerListChanged();
    void deviceManagerSelected(VyrDeviceManager *deviceManager);

public slots:
    void onReadFromStdout();
    void onReadFromStdErr();
    void processFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void processError(QProcess::ProcessError error);

private:
    QList<VyrDeviceManager *> m_managers;
    AppLoggerInfo *m_logger = nullptr;
    int m_selected = -1;
    VyrDeviceManager *m_local = nullptr;
    QProcess *m_process = nullptr;
    QString m_program;
    QString m_secondText;
    QString m_lastError;
};
