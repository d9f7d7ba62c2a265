#include "basicparsignalcharwidget.h"

#include "comborows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr int kAnalogPage = 0;
constexpr int kDigitalPage = 1;

QFormLayout *wrappingForm(QWidget *page)
{
    auto *form = new QFormLayout(page);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    return form;
}

} // namespace

BasicParSignalCharWidget::BasicParSignalCharWidget(BasicDisplayParams *params, QWidget *parent,
                                                   bool isEdid14)
    : QWidget(parent)
    , m_isEdid14(isEdid14)
    , m_source(params)
    , m_params()
{
    setMinimumWidth(360);
    if (params)
        m_params = *params;
    buildControls();
    buildLayout();
    m_pages->setCurrentIndex(m_params.digital ? kDigitalPage : kAnalogPage);
    // EDID 1.3 stores no colour depth and no interface for a digital input (byte 20 bits 6-0
    // are reserved there but for the DFP bit): the lists show "Undefined" and take no choice.
    m_colorDepth->setEnabled(m_isEdid14);
    m_interface->setEnabled(m_isEdid14);
    updateControls();
    // Connected only now, so that filling the controls emits nothing.
    connectControls();
}

void BasicParSignalCharWidget::buildControls()
{
    m_signalType = new QComboBox(this);
    m_signalType->addItems({tr("Analog Signal"), tr("Digital Signal")});

    // Video white : sync : total levels, in volts (byte 20 bits 6-5).
    m_signalLevel = new QComboBox(this);
    m_signalLevel->addItems({tr("0.700:0.300:1.000"), tr("0.714:0.286:1.000"),
                             tr("1.000:0.400:1.400"), tr("0.700:0.000:0.700")});

    // Codes 0 to 6 of byte 20 bits 6-4; code 7 is reserved and has no row.
    m_colorDepth = new QComboBox(this);
    m_colorDepth->addItems({tr("Undefined"), tr("6 Bits per Color"), tr("8 Bits per Color"),
                            tr("10 Bits per Color"), tr("12 Bits per Color"),
                            tr("14 Bits per Color"), tr("16 Bits per Color")});

    // Codes 0 to 5 of byte 20 bits 3-0; higher codes are reserved and have no row.
    m_interface = new QComboBox(this);
    m_interface->addItems(
        {tr("Undefined"), tr("DVI"), tr("HDMI-a"), tr("HDMI-b"), tr("MDDI"), tr("DisplayPort")});

    // The form rows carry the texts; the boxes themselves have none.
    m_setup = new QCheckBox(this);
    m_separateSync = new QCheckBox(this);
    m_compositeSync = new QCheckBox(this);
    m_syncOnGreen = new QCheckBox(this);
    m_serration = new QCheckBox(this);
}

void BasicParSignalCharWidget::buildLayout()
{
    m_pages = new QStackedWidget(this);

    auto *analogPage = new QWidget(m_pages);
    QFormLayout *analog = wrappingForm(analogPage);
    analog->addRow(tr("Signal Level:"), m_signalLevel);
    analog->addRow(tr("Blank-to-Blank Setup:"), m_setup);
    analog->addRow(tr("Separate Synch H V Signals:"), m_separateSync);
    analog->addRow(tr("Composite Sync on Horizontal:"), m_compositeSync);
    analog->addRow(tr("Composite Sync on Green Video:"), m_syncOnGreen);
    analog->addRow(tr("Serration on the Vertical Sync:"), m_serration);
    m_pages->insertWidget(kAnalogPage, analogPage);

    auto *digitalPage = new QWidget(m_pages);
    QFormLayout *digital = wrappingForm(digitalPage);
    digital->addRow(tr("Color Depth:"), m_colorDepth);
    digital->addRow(tr("Interface Standard:"), m_interface);
    m_pages->insertWidget(kDigitalPage, digitalPage);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_signalType);
    layout->addWidget(m_pages);
}

void BasicParSignalCharWidget::connectControls()
{
    connect(m_signalType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &BasicParSignalCharWidget::onSignalType);
    for (QComboBox *list : {m_signalLevel, m_colorDepth, m_interface})
        connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &BasicParSignalCharWidget::onSetDataParams);
    for (QCheckBox *box : {m_setup, m_separateSync, m_compositeSync, m_syncOnGreen, m_serration})
        connect(box, &QCheckBox::toggled, this, &BasicParSignalCharWidget::onSetDataParams);
}

void BasicParSignalCharWidget::updateControls()
{
    if (m_params.digital) {
        m_signalType->setCurrentIndex(kDigitalPage);
        ComboRows::showCode(m_colorDepth, m_params.colorBitDepth);
        ComboRows::showCode(m_interface, m_params.digitalInterface);
    } else {
        m_signalType->setCurrentIndex(kAnalogPage);
        ComboRows::showCode(m_signalLevel, m_params.signalLevel);
        m_setup->setChecked(m_params.blankToBlackSetup);
        m_separateSync->setChecked(m_params.separateSync);
        m_compositeSync->setChecked(m_params.compositeSyncOnHorizontal);
        m_syncOnGreen->setChecked(m_params.syncOnGreen);
        m_serration->setChecked(m_params.serration);
    }
}

void BasicParSignalCharWidget::onSignalType(int index)
{
    m_params.digital = index != kAnalogPage;
    // The record carries the new kind with what that kind's controls show now.
    onSetDataParams();
    m_pages->setCurrentIndex(m_params.digital ? kDigitalPage : kAnalogPage);
}

void BasicParSignalCharWidget::onSetDataParams()
{
    // A list without a current row (a code that has none) keeps the record's code.
    if (m_params.digital) {
        ComboRows::takeCode(m_colorDepth, &m_params.colorBitDepth);
        ComboRows::takeCode(m_interface, &m_params.digitalInterface);
    } else {
        ComboRows::takeCode(m_signalLevel, &m_params.signalLevel);
        m_params.blankToBlackSetup = m_setup->isChecked();
        m_params.separateSync = m_separateSync->isChecked();
        m_params.compositeSyncOnHorizontal = m_compositeSync->isChecked();
        m_params.syncOnGreen = m_syncOnGreen->isChecked();
        m_params.serration = m_serration->isChecked();
    }
    emit editFinished(m_params);
}
