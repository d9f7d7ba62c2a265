// The driver bridge's settings: the three words in the program's ini file and the two
// pages of the settings dialog that show them.
#include "vyrdriverbridgeplugin.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QSettings>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QWidget>

namespace {

// The default of each word when its key is absent.
quint32 defaultWord(DriverBridgeWord which)
{
    switch (which) {
    case DriverBridgeWord::Reports:
        return 1;
    case DriverBridgeWord::AppLog:
        return 31; // every log component of the device library
    case DriverBridgeWord::EventHandling:
        return 0;
    }
    return 0;
}

// Reads a word; false when the stored value is no unsigned number. Without a store
// every key is absent.
bool readWord(QSettings *settings, DriverBridgeWord which, quint32 *value)
{
    const quint32 fallback = defaultWord(which);
    if (!settings) {
        *value = fallback;
        return true;
    }
    bool ok = false;
    const quint32 read =
        settings->value(QLatin1String(driverBridgeWordKey(which)), fallback).toUInt(&ok);
    if (ok)
        *value = read;
    return ok;
}

// The entries "dumpfile" of the settings array "dumpfilelist".
QStringList readDumpFileList(QSettings *settings)
{
    QStringList files;
    if (!settings)
        return files;
    const int size = settings->beginReadArray(QStringLiteral("dumpfilelist"));
    for (int i = 0; i < size; ++i) {
        settings->setArrayIndex(i);
        const QVariant value = settings->value(QStringLiteral("dumpfile"));
        if (value.isValid())
            files << value.toString();
    }
    settings->endArray();
    return files;
}

bool onEventPage(const DriverBridgeSettingsBox &box)
{
    return box.word == DriverBridgeWord::EventHandling;
}

} // namespace

QSettings *VyrDriverBridgePlugIn::iniSettings() const
{
    return m_settings ? m_settings->iniSettings : nullptr;
}

quint32 &VyrDriverBridgePlugIn::word(DriverBridgeWord which)
{
    switch (which) {
    case DriverBridgeWord::Reports:
        return m_reportsWord;
    case DriverBridgeWord::AppLog:
        return m_appLogWord;
    case DriverBridgeWord::EventHandling:
        break;
    }
    return m_eventHandlingWord;
}

void VyrDriverBridgePlugIn::SetSettings(AppSettings *settings)
{
    m_settings = settings;
    QSettings *ini = iniSettings();
    // A value that is no number leaves the reports word as it was and clears the other two.
    m_appLogWord = 0;
    m_eventHandlingWord = 0;
    for (DriverBridgeWord which :
         {DriverBridgeWord::Reports, DriverBridgeWord::AppLog, DriverBridgeWord::EventHandling}) {
        quint32 value = 0;
        if (readWord(ini, which, &value))
            word(which) = value;
    }
    m_loggerInfo.flags = m_appLogWord;
    m_dumpFileList = readDumpFileList(ini);
}

QWidget *VyrDriverBridgePlugIn::createSettingsPage(bool eventPage)
{
    auto *page = new QWidget;
    auto *layout = new QGridLayout(page);
    layout->setAlignment(Qt::AlignTop);
    int row = 0;
    for (int i = 0; i < DriverBridgeSettingsBoxCount; ++i) {
        const DriverBridgeSettingsBox &box = driverBridgeSettingsBoxes[i];
        if (onEventPage(box) != eventPage)
            continue;
        m_boxes[static_cast<size_t>(i)] = new QCheckBox(tr(box.text), page);
        layout->addWidget(m_boxes[static_cast<size_t>(i)], row++, 0);
    }
    return page;
}

void VyrDriverBridgePlugIn::showWord(DriverBridgeWord which, quint32 value)
{
    for (int i = 0; i < DriverBridgeSettingsBoxCount; ++i) {
        const DriverBridgeSettingsBox &box = driverBridgeSettingsBoxes[i];
        QCheckBox *check = m_boxes[static_cast<size_t>(i)];
        if (box.word == which && check)
            check->setChecked((value >> box.bit) & 1u);
    }
}

void VyrDriverBridgePlugIn::populateSettings(QTreeWidget *tree, QStackedWidget *pages,
                                             QString owner)
{
    Q_UNUSED(owner)
    if (!tree || !pages)
        return;
    m_settingsTree = tree;
    m_rootSettingsItem = new QTreeWidgetItem;
    m_rootSettingsItem->setData(0, Qt::DisplayRole, tr("Device Configuration"));
    m_reportsItem = new QTreeWidgetItem(m_rootSettingsItem);
    m_reportsItem->setData(0, Qt::DisplayRole, tr("Reports"));
    m_eventItem = new QTreeWidgetItem(m_rootSettingsItem);
    m_eventItem->setData(0, Qt::DisplayRole, tr("Event Handling"));
    m_regDumpItem = new QTreeWidgetItem(m_rootSettingsItem);
    m_regDumpItem->setData(0, Qt::DisplayRole, tr("HW Reg.Dump Configuration"));
    tree->addTopLevelItem(m_rootSettingsItem);
    connect(tree, &QTreeWidget::itemSelectionChanged, this,
            &VyrDriverBridgePlugIn::onSettingsSelectionChanged, Qt::UniqueConnection);

    QSettings *ini = iniSettings();
    m_settingsPages = pages;
    m_reportsPage = createSettingsPage(false);
    pages->addWidget(m_reportsPage);
    // The boxes show what is stored, which is not always what the words hold; a value
    // that is no number leaves its boxes clear.
    for (DriverBridgeWord which : {DriverBridgeWord::Reports, DriverBridgeWord::AppLog}) {
        quint32 value = 0;
        if (readWord(ini, which, &value))
            showWord(which, value);
    }

    m_eventPage = createSettingsPage(true);
    quint32 events = 0;
    if (readWord(ini, DriverBridgeWord::EventHandling, &events))
        showWord(DriverBridgeWord::EventHandling, events);
    pages->addWidget(m_eventPage);

    // "HW Reg.Dump Configuration" has no page yet: the dump files read here are not
    // shown, and the list kept since SetSettings stays as it is.
    readDumpFileList(ini);
}

void VyrDriverBridgePlugIn::saveSettings(QString owner)
{
    Q_UNUSED(owner)
    // Without the pages of a dialog there is nothing to store.
    for (const QPointer<QCheckBox> &check : m_boxes) {
        if (!check)
            return;
    }
    m_reportsWord = 0;
    m_appLogWord = 0;
    m_eventHandlingWord = 0;
    for (int i = 0; i < DriverBridgeSettingsBoxCount; ++i) {
        const DriverBridgeSettingsBox &box = driverBridgeSettingsBoxes[i];
        if (m_boxes[static_cast<size_t>(i)]->isChecked())
            word(box.word) |= 1u << box.bit;
    }
    if (QSettings *ini = iniSettings()) {
        for (DriverBridgeWord which :
             {DriverBridgeWord::Reports, DriverBridgeWord::AppLog, DriverBridgeWord::EventHandling})
            ini->setValue(QLatin1String(driverBridgeWordKey(which)), word(which));
    }
    m_loggerInfo.flags = m_appLogWord;
}

void VyrDriverBridgePlugIn::onSettingsSelectionChanged()
{
    if (!m_settingsTree || !m_settingsPages)
        return;
    const QList<QTreeWidgetItem *> selected = m_settingsTree->selectedItems();
    if (selected.isEmpty())
        return;
    // "HW Reg.Dump Configuration" has no page; any other item leaves the page as it is.
    if (selected.first() == m_reportsItem && m_reportsPage)
        m_settingsPages->setCurrentWidget(m_reportsPage);
    else if (selected.first() == m_eventItem && m_eventPage)
        m_settingsPages->setCurrentWidget(m_eventPage);
}
