#pragma once

// Shared by the driver-settings tests: a copy of the simulated driver's settings file in a
// temporary folder, named in VYR_DRIVER_SETTINGS for the devices made while it lives.

#include <QByteArray>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace DeviceModelTest {

inline QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DriverSettingsFile
{
public:
    DriverSettingsFile()
        : m_previous(qgetenv("VYR_DRIVER_SETTINGS"))
        , path(m_dir.filePath(QStringLiteral("vyrpcsdb")))
    {
        ready = m_dir.isValid() && QFile::copy(QStringLiteral(VYR_DRIVER_SETTINGS_SAMPLE), path)
                && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        use(path);
    }
    ~DriverSettingsFile()
    {
        if (m_previous.isNull())
            qunsetenv("VYR_DRIVER_SETTINGS");
        else
            qputenv("VYR_DRIVER_SETTINGS", m_previous);
    }

    DriverSettingsFile(const DriverSettingsFile &) = delete;
    DriverSettingsFile &operator=(const DriverSettingsFile &) = delete;

    // Devices made from now on use the file at path.
    static void use(const QString &file)
    {
        qputenv("VYR_DRIVER_SETTINGS", QFile::encodeName(file));
    }

    // A path that cannot be written: its folder would have to be made inside a file.
    QString unwritablePath() const
    {
        const QString blocker = m_dir.filePath(QStringLiteral("not-a-folder"));
        QFile file(blocker);
        if (!file.exists() && file.open(QIODevice::WriteOnly))
            file.close();
        return blocker + QStringLiteral("/vyrpcsdb");
    }

    // The file as it is on disk.
    QByteArray contents() const { return fileContents(path); }

    // Writes a value the way the driver's installer would, beside the program.
    void set(const QString &key, const QVariant &value) const
    {
        QSettings settings(path, QSettings::NativeFormat);
        settings.setValue(key, value);
        settings.sync();
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;

public:
    const QString path;
    bool ready = false;
};

} // namespace DeviceModelTest
