#include "edidloadsaveform.h"

#include "display.h"
#include "plugin/vyrdeviceselecttree.h"
#include "plugin/vyrdeviceselectwidget.h"
#include "ui_edidloadsaveform.h"
#include "vyradapteritem.h"
#include "vyrbranchitem.h"
#include "vyrdeviceitem.h"
#include "vyrdevicemanager.h"
#include "vyrdisplayitem.h"
#include "vyrsystemmanager.h"

#include <cstring>

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
    std::memset(m_edid, 0, sizeof m_edid);
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
}

void EdidLoadSaveForm::SetSystemManager(VyrSystemManager *systemManager)
{
    m_systemManager = systemManager;
    if (!systemManager) {
        m_deviceManager = nullptr;
        // No model: nothing to show, nothing to point into.
        m_deviceSelect->SetSystemManager(nullptr);
        return;
    }
    m_deviceManager = systemManager->GetSelectedDeviceManager();
    m_deviceSelect->SetSystemManager(systemManager);
    m_deviceSelect->SetViewOption(VyrDeviceViewOption::NoBranches);
}

void EdidLoadSaveForm::updateSelected(QTreeWidgetItem *item)
{
    if (!item || !m_deviceManager)
        return;
    VyrDeviceSelection &record = m_deviceManager->selection();
    record = VyrDeviceSelection();
    bool display = false;
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
    if (!isDisplayOption())
        return nullptr;
    const unsigned char *source = getEdidFromDevice();
    if (!source)
        return nullptr;
    std::memcpy(m_edid, source, sizeof m_edid);
    return m_edid;
}

bool EdidLoadSaveForm::SaveOrOverrideEdid(unsigned char *edid, int size)
{
    Q_UNUSED(size)
    std::memset(m_edid, 0, sizeof m_edid);
    if (edid)
        std::memcpy(m_edid, edid, sizeof m_edid);
    return false;
}
