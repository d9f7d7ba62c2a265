#include "basicparaspectratiowidget.h"

#include "vyrnumbertext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// The size a field holds, 0 to 255 (its validator): 0 when it is empty.
unsigned sizeOf(const QLineEdit *edit)
{
    qlonglong size = 0;
    VyrNumberText::readWhole(edit->text(), &size);
    return unsigned(qBound(0LL, size, 255LL));
}

} // namespace

BasicParAspectRatioWidget::BasicParAspectRatioWidget(BasicDisplayParams *params, QWidget *parent,
                                                     bool isEdid14)
    : QWidget(parent)
    , m_isEdid14(isEdid14)
    , m_source(params)
    , m_params()
{
    setMinimumWidth(300);
    if (params)
        m_params = *params;

    if (m_isEdid14) {
        // Rows in the order of size modes 2 to 9.
        m_aspectList = new QComboBox(this);
        m_aspectList->addItems({tr("Landscape 16x9"), tr("Landscape 16x10"), tr("Landscape 4x3"),
                                tr("Landscape 5x4"), tr("Portrait 9x16"), tr("Portrait 10x16"),
                                tr("Portrait 3x4"), tr("Portrait 4x5")});
    }
    m_hSize = sizeEdit();
    m_vSize = sizeEdit();

    // The buttons share this widget as parent, so checking one unchecks the others.
    m_projector = new QRadioButton(tr("Projector"), this);
    m_size = new QRadioButton(tr("H/V Size(cm)"), this);
    auto *layout = new QGridLayout(this);
    layout->addWidget(m_projector, 0, 0);
    layout->addWidget(m_size, 1, 0);
    layout->addWidget(m_hSize, 1, 1);
    layout->addWidget(m_vSize, 1, 2);
    if (m_isEdid14) {
        m_aspect = new QRadioButton(tr("Aspect Ratio"), this);
        layout->addWidget(m_aspect, 2, 0);
        layout->addWidget(m_aspectList, 2, 1, 1, 2);
    }

    updateControls();

    // Connected only now, so that filling the controls emits nothing.
    if (m_isEdid14) {
        connect(m_aspectList, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &BasicParAspectRatioWidget::onSetDataParams);
        connect(m_aspect, &QRadioButton::toggled, this,
                &BasicParAspectRatioWidget::onSetDataParams);
    }
    for (QLineEdit *edit : {m_hSize, m_vSize})
        connect(edit, &QLineEdit::editingFinished, this,
                &BasicParAspectRatioWidget::onSetDataParams);
    for (QRadioButton *button : {m_projector, m_size})
        connect(button, &QRadioButton::toggled, this, &BasicParAspectRatioWidget::onSetDataParams);
}

QLineEdit *BasicParAspectRatioWidget::sizeEdit()
{
    auto *edit = new QLineEdit(this);
    edit->setValidator(VyrNumberText::wholeValidator(0, 255, edit));
    edit->setToolTip(tr("Valid range 0 --> 255"));
    return edit;
}

void BasicParAspectRatioWidget::updateControls()
{
    const unsigned mode = m_params.screenSizeKind;
    if (mode == ScreenSizeCm) {
        m_hSize->setText(QString::number(m_params.horizontalSize));
        m_vSize->setText(QString::number(m_params.verticalSize));
        m_size->setChecked(true);
    } else if (mode == ScreenSizeUndefined) {
        m_projector->setChecked(true);
    } else if (m_isEdid14 && mode >= ScreenLandscape16x9 && mode <= ScreenPortrait4x5) {
        m_aspectList->setCurrentIndex(static_cast<int>(mode - ScreenLandscape16x9));
        m_aspect->setChecked(true);
    }
    updateSizeEditsEnabled();
}

void BasicParAspectRatioWidget::showSize(const BasicDisplayParams &params)
{
    copyScreenSize(m_params, params);
    const QSignalBlocker projector(m_projector), size(m_size), aspect(m_aspect),
        aspectList(m_aspectList), hSize(m_hSize), vSize(m_vSize);
    updateControls();
}

// A projector has no size; the sizes can be typed again as soon as another kind is chosen.
// Only the kind chosen shows a value, as the controls of a block read afresh do: the sizes
// for "H/V Size", the list's row for "Aspect Ratio" (else its first row).
void BasicParAspectRatioWidget::updateSizeEditsEnabled()
{
    const bool enabled = !m_projector->isChecked();
    m_hSize->setEnabled(enabled);
    m_vSize->setEnabled(enabled);
    if (!m_size->isChecked()) {
        m_hSize->clear();
        m_vSize->clear();
    }
    if (m_isEdid14) {
        m_aspectList->setEnabled(m_aspect->isChecked());
        if (!m_aspect->isChecked()) {
            const QSignalBlocker quiet(m_aspectList);
            m_aspectList->setCurrentIndex(0);
        }
    }
}

void BasicParAspectRatioWidget::onSetDataParams()
{
    m_params.screenSizeKind = ScreenSizeCm;
    m_params.horizontalSize = 0;
    m_params.verticalSize = 0;
    if (m_projector->isChecked()) {
        m_params.screenSizeKind = ScreenSizeUndefined;
    } else if (m_isEdid14 && m_aspect->isChecked()) {
        m_params.screenSizeKind =
            ScreenLandscape16x9 + static_cast<unsigned>(qMax(0, m_aspectList->currentIndex()));
    } else {
        // A size still being typed outside 0 to 255 would be stored as its low byte, a size
        // the user never chose: nothing is emitted until both fields hold a size or nothing.
        for (const QLineEdit *edit : {m_hSize, m_vSize}) {
            if (!edit->text().isEmpty() && !edit->hasAcceptableInput()) {
                updateSizeEditsEnabled();
                return;
            }
        }
        // An empty field reads as 0; the fields show the sizes as stored ("+07" as 7).
        m_params.horizontalSize = sizeOf(m_hSize);
        m_params.verticalSize = sizeOf(m_vSize);
        m_hSize->setText(QString::number(m_params.horizontalSize));
        m_vSize->setText(QString::number(m_params.verticalSize));
    }
    updateSizeEditsEnabled();
    emit editFinished(m_params);
}
