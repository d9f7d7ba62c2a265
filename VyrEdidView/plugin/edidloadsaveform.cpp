#include "edidloadsaveform.h"

#include "adapter.h"
#include "display.h"
#include "files/edidbinfile.h"
#include "files/edidfileio.h"
#include "files/edidinffile.h"
#include "files/edidregfile.h"
#include "files/edidtextfile.h"
#include "plugin/vyrdeviceselecttree.h"
#include "plugin/vyrdeviceselectwidget.h"
#include "ui_edidloadsaveform.h"
#include "vyradapteritem.h"
#include "vyrbranchitem.h"
#include "vyrdevice.h"
#include "vyrdeviceitem.h"
#include "vyrdevicemanager.h"
#include "vyrdisplayitem.h"
#include "vyrsystemmanager.h"
#include "vyruiservice.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

#include <cstring>

namespace {

void showCritical(const QString &title, const QString &text)
{
    VyrUiService::instance()->message(VyrUiService::Icon::Critical, title, text);
}

// One file format: its suffix and the form's reader and writer for it.
struct FileFormat
{
    const char *suffix;
    bool (EdidLoadSaveForm::*read)(QString);
    bool (EdidLoadSaveForm::*write)(QString);
};

// In the order the suffix is tested; the first match chooses.
const FileFormat Formats[] = {
    {QT_TRANSLATE_NOOP("EdidLoadSaveForm", "txt"), &EdidLoadSaveForm::getEdidFromTxtFile,
     &EdidLoadSaveForm::saveEdidToTxtFile},
    {QT_TRANSLATE_NOOP("EdidLoadSaveForm", "bin"), &EdidLoadSaveForm::getEdidFromBinFile,
     &EdidLoadSaveForm::saveEdidToBinFile},
    {QT_TRANSLATE_NOOP("EdidLoadSaveForm", "inf"), &EdidLoadSaveForm::getEdidFromInfFile,
     &EdidLoadSaveForm::saveEdidToInfFile},
    {QT_TRANSLATE_NOOP("EdidLoadSaveForm", "reg"), &EdidLoadSaveForm::getEdidFromRegFile,
     &EdidLoadSaveForm::saveEdidToRegFile},
};

// The format a file name's suffix names, compared exactly (case-sensitively); null for none.
const FileFormat *formatOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    for (const FileFormat &format : Formats) {
        if (suffix == EdidLoadSaveForm::tr(format.suffix))
            return &format;
    }
    return nullptr;
}

} // namespace

EdidLoadSaveForm::EdidLoadSaveForm(bool load, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::EdidLoadSaveForm)
    , m_load(load)
{
    ui->setupUi(this);
    ui->radioButtonFromDisplay->hide();
    ui->radioButton_File->hide();

    m_deviceSelect = new VyrDeviceSelectWidget(0, nullptr);
    connect(m_deviceSelect, &VyrDeviceSelectWidget::currentItemChanged, this,
            &EdidLoadSaveForm::updateSelected);
    ui->vlDeviceList->addWidget(m_deviceSelect);

    if (!m_load) {
        ui->radioButton_File->setText(tr("Save EDID to file"));
        ui->radioButtonFromDisplay->setText(tr("Override display EDID"));
    }
    ui->label_saveas->setVisible(!m_load);
    ui->lineEditFileName->setVisible(!m_load);
    ui->btnLoadSave->setVisible(!m_load);
    onLoadOptionChanged(m_load);

    ui->signalTypeSelect->hide();
    ui->displaySelect->hide();
    // 100 pixels cut "Analog Signal" short in the fonts of this desktop: each list takes the
    // width of its longest entry (the display list 400 pixels at most). Both sit left, side by
    // side.
    ui->signalTypeSelect->setMaximumWidth(QWIDGETSIZE_MAX);
    ui->signalTypeSelect->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ui->displaySelect->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ui->regFileComboBoxes->addStretch(1);
    std::memset(m_edid, 0, sizeof m_edid);

    // A typed name counts as much as one chosen in the dialog: the registry choice follows
    // every change of the name.
    connect(ui->lineEditFileName, &QLineEdit::textChanged, this,
            &EdidLoadSaveForm::updateRegFileParams);
}

EdidLoadSaveForm::~EdidLoadSaveForm()
{
    delete ui;
}

bool EdidLoadSaveForm::isDisplayOption() const
{
    return ui->radioButtonFromDisplay->isChecked();
}

void EdidLoadSaveForm::onLoadOptionChanged(bool checked)
{
    ui->radioButton_File->setChecked(!checked);
    ui->radioButtonFromDisplay->setChecked(checked);
    ui->label_saveas->setVisible(!checked);
    ui->lineEditFileName->setVisible(!checked);
    ui->btnLoadSave->setVisible(!checked);
    m_deviceSelect->setVisible(checked);
    // The device tree takes the page's height; without it the spacer below keeps the file
    // line at the top.
    ui->gridLayout->setRowStretch(0, checked ? 1 : 0);
    if (!m_load) {
        const bool reg = !checked && isRegFileName();
        ui->signalTypeSelect->setVisible(reg);
        ui->displaySelect->setVisible(reg);
    }
}

void EdidLoadSaveForm::SetSystemManager(VyrSystemManager *systemManager)
{
    m_systemManager = systemManager;
    if (!systemManager) {
        m_deviceManager = nullptr;
        // No model: nothing to show, nothing to point into.
        m_deviceSelect->SetSystemManager(nullptr);
    } else {
        m_deviceManager = systemManager->GetSelectedDeviceManager();
        m_deviceSelect->SetSystemManager(systemManager);
        m_deviceSelect->SetViewOption(VyrDeviceViewOption::NoBranches);
    }
    // The displays offered for a registry file are those of the model now shown.
    if (!m_load)
        populateRegSaveParams();
}

void EdidLoadSaveForm::updateSelected(QTreeWidgetItem *item)
{
    if (!m_deviceManager)
        return;
    VyrDeviceSelection &record = m_deviceManager->selection();
    record = VyrDeviceSelection();
    bool display = false;
    if (!item) {
        // Nothing is current: nothing to read an EDID from, and no way on to the view page.
        emit displaySelected(false);
        return;
    }
    switch (item->type()) {
    case VyrDeviceItem::Type:
        if (auto *deviceItem = dynamic_cast<VyrDeviceItem *>(item))
            record.device = deviceItem->device();
        break;
    case VyrAdapterItem::Type:
        if (auto *adapterItem = dynamic_cast<VyrAdapterItem *>(item))
            record.adapter = adapterItem->adapter();
        break;
    case VyrDisplayItem::Type:
        if (auto *displayItem = dynamic_cast<VyrDisplayItem *>(item))
            record.display = displayItem->display();
        display = true;
        break;
    case VyrBranchItem::Type:
        if (auto *branchItem = dynamic_cast<VyrBranchItem *>(item))
            record.branch = branchItem->branch();
        display = true;
        break;
    default:
        break;
    }
    emit displaySelected(display);
}

const unsigned char *EdidLoadSaveForm::getEdidFromDevice() const
{
    if (!m_deviceManager || !m_deviceManager->selection().display)
        return nullptr;
    return m_deviceManager->selection().display->edid();
}

unsigned char *EdidLoadSaveForm::GetEdid()
{
    std::memset(m_edid, 0, sizeof m_edid);
    if (isDisplayOption()) {
        const unsigned char *source = getEdidFromDevice();
        if (!source)
            return nullptr;
        std::memcpy(m_edid, source, sizeof m_edid);
        return m_edid;
    }

    const QString name = ui->lineEditFileName->text();
    if (name.isEmpty())
        return m_edid;
    const FileFormat *format = formatOf(name);
    return format && (this->*format->read)(name) ? m_edid : nullptr;
}

bool EdidLoadSaveForm::SaveOrOverrideEdid(unsigned char *edid, int size)
{
    std::memset(m_edid, 0, sizeof m_edid);
    if (edid)
        std::memcpy(m_edid, edid, sizeof m_edid);

    if (isDisplayOption()) {
        if (!m_deviceManager || !edid) {
            showCritical(tr("Failed to override display EDID"), tr("Override Display EDID"));
            return false;
        }
        VyrDisplay *display = m_deviceManager->selection().display;
        if (!display) {
            showCritical(tr("Please Select Display Device"), tr("Override Display EDID"));
            return false;
        }
        // A refused override (no adapter, nothing to send, the driver said no) is said too:
        // the user would otherwise take the display to use the new image.
        if (!display->OverrideEdid(edid, size)) {
            showCritical(tr("Failed to override display EDID"), tr("Override Display EDID"));
            return false;
        }
        return true;
    }

    const QString name = ui->lineEditFileName->text();
    // The suffix chooses the format: a name without one of the four writes nothing, and says why.
    const QString suffixes = tr("The suffix of the file name chooses the file format: .bin, .txt, "
                                ".inf or .reg, in lower case.");
    if (name.isEmpty()) {
        showCritical(tr("Failed to save EDID to file"),
                     tr("No file name was given.") + QLatin1Char(' ') + suffixes);
        return false;
    }
    const FileFormat *format = formatOf(name);
    updateParams(m_edid);
    if (!format) {
        showCritical(
            tr("Failed to save EDID to file"),
            tr("\"%1\" has no suffix of an EDID file format.").arg(QFileInfo(name).fileName())
                + QLatin1Char(' ') + suffixes);
        return false;
    }
    const bool saved = (this->*format->write)(name);
    if (!saved)
        showCritical(tr("Failed to save EDID to file"), tr("Override Display EDID"));
    return saved;
}

void EdidLoadSaveForm::updateParams(const EdidImage &image)
{
    m_table = EdidBlockTable::analyse(image);
}

bool EdidLoadSaveForm::getEdidFromBinFile(QString name)
{
    return EdidBinFile::read(name, m_edid).report();
}

bool EdidLoadSaveForm::getEdidFromTxtFile(QString name)
{
    return EdidTextFile::read(name, m_edid).report();
}

bool EdidLoadSaveForm::getEdidFromInfFile(QString name)
{
    return EdidInfFile::read(name, m_edid).report();
}

bool EdidLoadSaveForm::getEdidFromRegFile(QString name)
{
    return EdidRegFile::read(name, m_edid).report();
}

bool EdidLoadSaveForm::reportSaved(const EdidFileResult &result) const
{
    return EdidFileIo::withUnwrittenBlocks(result, m_table).report();
}

bool EdidLoadSaveForm::saveEdidToBinFile(QString name)
{
    return reportSaved(EdidBinFile::write(name, m_edid, m_table.coveredSize()));
}

bool EdidLoadSaveForm::saveEdidToTxtFile(QString name)
{
    return reportSaved(EdidTextFile::write(name, m_edid, m_table.coveredSize()));
}

bool EdidLoadSaveForm::saveEdidToInfFile(QString name)
{
    return reportSaved(EdidInfFile::write(name, m_edid, m_table, QDate::currentDate()));
}

bool EdidLoadSaveForm::saveEdidToRegFile(QString name)
{
    // Without a display to name the value both stay empty, and the writer says so.
    QString key;
    QString value;
    const int chosen = ui->displaySelect->currentIndex();
    if (chosen >= 0 && chosen < m_displays.size()) {
        const EdidDisplyInfo &display = m_displays.at(chosen);
        GetRegPathEmulatedEDID(display.deviceIndex, key);
        GetRegNameEmulatedEDID(display.displayIndex, ui->signalTypeSelect->currentIndex() == 0,
                               value);
    }
    return reportSaved(EdidRegFile::write(name, m_edid, m_table.coveredSize(), key, value));
}

bool EdidLoadSaveForm::GetRegPathEmulatedEDID(unsigned int deviceIndex, QString &result) const
{
    if (!m_deviceManager)
        return false;
    const QList<VyrDevice *> &devices = m_deviceManager->devices();
    if (deviceIndex >= static_cast<unsigned int>(devices.size()))
        return false;
    const QList<Adapter *> &adapters = devices.at(static_cast<int>(deviceIndex))->adapters();
    if (adapters.isEmpty() || !adapters.first())
        return false;
    const QString line = EdidRegFile::keyLine(adapters.first()->GetRegPath());
    if (line.isEmpty())
        return false;
    result = line;
    return true;
}

bool EdidLoadSaveForm::GetRegNameEmulatedEDID(unsigned int displayIndex, bool analog,
                                              QString &result) const
{
    result = EdidRegFile::valueName(displayIndex, analog);
    return true;
}

void EdidLoadSaveForm::populateRegSaveParams()
{
    const int signalType = ui->signalTypeSelect->currentIndex();
    const int chosen = ui->displaySelect->currentIndex();
    const EdidDisplyInfo before =
        chosen >= 0 && chosen < m_displays.size() ? m_displays.at(chosen) : EdidDisplyInfo();

    ui->signalTypeSelect->clear();
    ui->displaySelect->clear();
    ui->signalTypeSelect->addItem(tr("Analog Signal"));
    ui->signalTypeSelect->addItem(tr("Digital Signal"));
    m_displays.clear();
    if (signalType > 0)
        ui->signalTypeSelect->setCurrentIndex(signalType);
    if (!m_deviceManager)
        return;

    const QList<VyrDevice *> &devices = m_deviceManager->devices();
    for (int d = 0; d < devices.size(); ++d) {
        for (VyrDisplay *display : devices.at(d)->displays()) {
            EdidDisplyInfo info;
            info.deviceIndex = static_cast<quint32>(d);
            info.displayIndex = static_cast<quint32>(display->index());
            info.text = display->connected() ? display->name() : tr("Not Connected");
            m_displays.append(info);
            ui->displaySelect->addItem(tr("DEV[%1] DISPLAY[%2] %3")
                                           .arg(info.deviceIndex)
                                           .arg(info.displayIndex)
                                           .arg(info.text));
            if (chosen >= 0 && info.deviceIndex == before.deviceIndex
                && info.displayIndex == before.displayIndex)
                ui->displaySelect->setCurrentIndex(m_displays.size() - 1);
        }
    }
}

bool EdidLoadSaveForm::isRegFileName() const
{
    return ui->lineEditFileName->text().endsWith(QLatin1String(".reg"));
}

void EdidLoadSaveForm::updateRegFileParams()
{
    if (m_load)
        return;
    populateRegSaveParams();
    const bool reg = !isDisplayOption() && isRegFileName();
    ui->signalTypeSelect->setVisible(reg);
    ui->displaySelect->setVisible(reg);
}

void EdidLoadSaveForm::on_btnLoadSave_clicked()
{
    const QString formats = tr("EDID binary files(*.bin);;EDID text tiles (*.txt);;EDID inf files "
                               "(*.inf);;EDID reg files (*.reg)");
    const QString typed = ui->lineEditFileName->text();
    QString name;
    if (m_load) {
        name = VyrUiService::instance()->openFileName(tr("Open EDID File"), QDir::currentPath(),
                                                      formats);
    } else {
        name = askSaveFileName(typed, formats + QStringLiteral(";;") + tr("All files (*)"));
    }
    // Cancelled: the name typed before stays. The same name changes no text: the registry choice
    // is refilled all the same.
    if (name.isEmpty())
        name = typed;
    const bool same = typed == name;
    ui->lineEditFileName->setText(name);
    if (same)
        updateRegFileParams();
}

QString EdidLoadSaveForm::askSaveFileName(const QString &typed, const QString &filter) const
{
    // The dialog opens where the typed name points, with that name filled in and its format
    // chosen (the first one for a name of no known format).
    const QStringList entries = filter.split(QStringLiteral(";;"));
    QString chosen = entries.constFirst();
    const QString typedSuffix = QFileInfo(typed).suffix();
    for (const QString &entry : entries) {
        if (!typedSuffix.isEmpty() && VyrUiService::filterSuffix(entry) == typedSuffix)
            chosen = entry;
    }
    const QString start =
        typed.isEmpty() ? QDir::currentPath() : QFileInfo(typed).absoluteFilePath();
    QString name = VyrUiService::instance()->saveFileNameWithFilter(tr("Save EDID File"), start,
                                                                    filter, &chosen);
    // A name given without any suffix gets the chosen format's; "All files" adds none.
    const QString suffix = VyrUiService::filterSuffix(chosen);
    if (!name.isEmpty() && !suffix.isEmpty()
        && !QFileInfo(name).fileName().contains(QLatin1Char('.')))
        name += QLatin1Char('.') + suffix;
    return name;
}
