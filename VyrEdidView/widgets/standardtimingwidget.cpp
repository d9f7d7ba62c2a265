#include "standardtimingwidget.h"

#include "vyrnumbertext.h"
#include "vyruiservice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>

namespace {

// Aspect list rows: the standard-timing code of each row and its height = width * num / den.
struct AspectRow
{
    AspectRatioCode code;
    unsigned numerator;
    unsigned denominator;
};

constexpr AspectRow kAspectRows[] = {
    {AspectRatio16x10, 10, 16},
    {AspectRatio4x3, 3, 4},
    {AspectRatio5x4, 4, 5},
    {AspectRatio16x9, 9, 16},
};
constexpr int kAspectRowCount = int(sizeof(kAspectRows) / sizeof(kAspectRows[0]));

// Row of an aspect code; a code without a row shows row 0.
int rowOfAspect(AspectRatioCode code)
{
    for (int row = 0; row < kAspectRowCount; ++row) {
        if (kAspectRows[row].code == code)
            return row;
    }
    return 0;
}

bool hasRow(AspectRatioCode code)
{
    for (const AspectRow &row : kAspectRows) {
        if (row.code == code)
            return true;
    }
    return false;
}

} // namespace

StandardTimingWidget::StandardTimingWidget(StandardTiming *timing, bool square, QWidget *parent)
    : QWidget(parent)
    , m_square(square)
    , m_timing(timing ? *timing : StandardTiming())
{
    m_aspect = new QComboBox(this);
    // The double and triple blanks are part of the texts.
    m_aspect->addItems({square ? tr("Square   1x1") : tr("LandScape 16x10"), tr("LandScape  4x3"),
                        tr("LandScape  5x4"), tr("LandScape  16x9")});

    m_width = new QLineEdit(this);
    m_width->setValidator(VyrNumberText::wholeValidator(256, 2288, m_width));
    m_width->setToolTip(tr("Valid range 256 --> 2288, divisible by 8"));

    m_height = new QLineEdit(this);
    m_height->setReadOnly(true);

    m_refresh = new QLineEdit(this);
    m_refresh->setValidator(VyrNumberText::wholeValidator(60, 123, m_refresh));
    m_refresh->setToolTip(tr("Valid range 60 --> 123"));

    m_defined = new QCheckBox(this);

    auto *layout = new QFormLayout(this);
    layout->addRow(tr("Defined"), m_defined);
    layout->addRow(tr("Aspect Ratio:"), m_aspect);
    layout->addRow(tr("Width:"), m_width);
    layout->addRow(tr("Height:"), m_height);
    layout->addRow(tr("Refresh Rate:"), m_refresh);

    const int row = rowOfAspect(m_timing.aspect);
    m_aspect->setCurrentIndex(row);
    m_defined->setChecked(m_timing.defined);
    m_width->setText(QString::number(m_timing.width));
    m_refresh->setText(QString::number(m_timing.refreshRate));
    m_height->setText(
        QString::number(hasRow(m_timing.aspect) ? heightOf(row, m_timing.width) : 0u));
    m_height->setEnabled(false);
    setEditsEnabled(m_timing.defined);

    // Connected only now, so that filling the controls emits nothing.
    connect(m_aspect, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &StandardTimingWidget::onSetDataParams);
    connect(m_width, &QLineEdit::editingFinished, this, &StandardTimingWidget::onSetDataParams);
    connect(m_refresh, &QLineEdit::editingFinished, this, &StandardTimingWidget::onSetDataParams);
    connect(m_defined, &QCheckBox::toggled, this, &StandardTimingWidget::onSetDataParams);
    setMinimumWidth(200);
}

unsigned StandardTimingWidget::heightOf(int row, unsigned width) const
{
    if (row < 0 || row >= kAspectRowCount)
        return 0;
    if (row == 0 && m_square)
        return width;
    return width * kAspectRows[row].numerator / kAspectRows[row].denominator;
}

void StandardTimingWidget::setEditsEnabled(bool defined)
{
    m_aspect->setEnabled(defined);
    m_width->setEnabled(defined);
    m_refresh->setEnabled(defined);
}

void StandardTimingWidget::warnInvalidWidth()
{
    // The box takes the focus from the field that has it, and the width field takes it back
    // afterwards: a line edit losing the focus reports editingFinished, which must not open a
    // second box.
    const QScopedValueRollback<bool> open(m_warningOpen, true);
    VyrUiService::instance()->message(VyrUiService::Icon::Warning, tr("Input data is invalid"),
                                      tr("Valid range 256 --> 2288, divisible by 8"),
                                      VyrUiService::Ok);
    m_width->setFocus();
}

void StandardTimingWidget::onSetDataParams()
{
    if (m_warningOpen)
        return;
    const bool defined = m_defined->isChecked();
    setEditsEnabled(defined);
    if (defined) {
        qlonglong width = 0;
        qlonglong refresh = 0;
        const bool isNumber = VyrNumberText::readWhole(m_width->text(), &width);
        if (isNumber && width % 8 != 0) {
            warnInvalidWidth();
            return;
        }
        // 2 bytes encode widths 256 to 2288 and rates 60 to 123 only; anything else in the
        // fields (empty, or still being typed) would store a mode the user never chose.
        if (!m_width->hasAcceptableInput() || !m_refresh->hasAcceptableInput() || !isNumber
            || !VyrNumberText::readWhole(m_refresh->text(), &refresh))
            return;
        m_timing.width = unsigned(width);
        m_timing.refreshRate = unsigned(refresh);
    }
    m_timing.defined = defined;
    const int row = m_aspect->currentIndex();
    m_timing.aspect = kAspectRows[qBound(0, row, kAspectRowCount - 1)].code;
    emit editFinished(m_timing);
    if (defined) {
        // The fields show the mode as stored ("+0640" as 640).
        m_width->setText(QString::number(m_timing.width));
        m_refresh->setText(QString::number(m_timing.refreshRate));
        m_height->setText(QString::number(heightOf(row, m_timing.width)));
    } else {
        // An unused timing reads back as no mode in the first row, as a fresh tree shows it.
        const QSignalBlocker quiet(m_aspect);
        m_aspect->setCurrentIndex(0);
        for (QLineEdit *field : {m_width, m_height, m_refresh})
            field->setText(QStringLiteral("0"));
    }
}
