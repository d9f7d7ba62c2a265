#include "cvttimingwidget.h"

#include "comborows.h"
#include "cvttimingvratewidget.h"
#include "vyrnumbertext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSignalBlocker>

#include <iterator>

namespace {

// Supported-rate flags in the order of the rate boxes and of byte 2 bits 4 to 0.
constexpr bool Cvt3ByteTiming::*kRateFlags[] = {
    &Cvt3ByteTiming::rate50Hz, &Cvt3ByteTiming::rate60Hz, &Cvt3ByteTiming::rate75Hz,
    &Cvt3ByteTiming::rate85Hz, &Cvt3ByteTiming::rate60HzReducedBlanking};

// The rate texts, in box order.
QStringList rateTexts()
{
    return {CvtTimingWidget::tr("50Hz"), CvtTimingWidget::tr("60Hz"), CvtTimingWidget::tr("75Hz"),
            CvtTimingWidget::tr("85Hz"), CvtTimingWidget::tr("60Hz(RB)")};
}

// Aspect list rows.
constexpr AspectRatioCode kCvtAspectRows[] = {AspectRatio16x10, AspectRatio16x9, AspectRatio4x3};

// Row of an aspect code. A 15:9 code (byte 1 bits 3-2 = 11) has no row, so the list shows it
// as its bits and keeps it; any other code (0 for an empty code) shows the first row.
ComboRows::Shown rowOfAspect(unsigned code)
{
    for (int row = 0; row < int(std::size(kCvtAspectRows)); ++row) {
        if (kCvtAspectRows[row] == code)
            return {row, code};
    }
    return code == AspectRatio15x9 ? ComboRows::Shown{-1, 3} : ComboRows::Shown{0, code};
}

// Horizontal active pixels of a code: lines times the aspect ratio.
unsigned widthOf(const Cvt3ByteTiming &timing)
{
    switch (timing.aspect) {
    case AspectRatio16x10:
        return timing.lines * 16 / 10;
    case AspectRatio4x3:
        return timing.lines * 4 / 3;
    case AspectRatio16x9:
        return timing.lines * 16 / 9;
    default:
        return 0;
    }
}

} // namespace

CvtTimingWidget::CvtTimingWidget(const Cvt3ByteTiming *timing, unsigned index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
    , m_timing(timing ? *timing : Cvt3ByteTiming())
{
    InitControls();
}

void CvtTimingWidget::InitControls()
{
    m_aspect = new QComboBox(this);
    m_aspect->addItems({tr("LandScape 16x10"), tr("LandScape 16x9"), tr("LandScape 4x3")});
    m_preferred = new QComboBox(this);
    m_width = new QLineEdit(this);
    m_width->setEnabled(false);
    m_height = new QLineEdit(this);
    m_height->setValidator(VyrNumberText::wholeValidator(4, 8190, m_height));
    m_height->setToolTip(tr("Valid range 4 --> 8190, divisible by 2"));
    m_defined = new QCheckBox(this);
    m_definedControls << m_aspect << m_height;

    m_rates = new CvtTimingVRateWidget(this);
    const QStringList texts = rateTexts();
    for (int i = 0; i < texts.size(); ++i)
        m_rates->addRate(texts.at(i), m_timing.*kRateFlags[i]);
    m_definedControls << m_rates;

    auto *layout = new QFormLayout(this);
    layout->addRow(tr("Defined"), m_defined);
    layout->addRow(tr("Aspect Ratio:"), m_aspect);
    layout->addRow(tr("Width:"), m_width);
    layout->addRow(tr("Height:"), m_height);
    layout->addRow(tr("Preferred VRate:"), m_preferred);
    layout->addRow(tr("Supported VRate:"), m_rates);

    UpdateControls(true);

    // Connected only now, so that filling the controls reaches no receiver.
    connect(m_rates, &CvtTimingVRateWidget::currentRatesChanged, this,
            &CvtTimingWidget::onSupVRateChange);
    connect(m_aspect, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CvtTimingWidget::onSetDataParams);
    connect(m_height, &QLineEdit::editingFinished, this, &CvtTimingWidget::onSetDataParams);
    connect(m_defined, &QCheckBox::toggled, this, &CvtTimingWidget::onDefinedToggled);
    // activated() reports the user's choice only, never the refill of the list.
    connect(m_preferred, QOverload<int>::of(&QComboBox::activated), this,
            &CvtTimingWidget::onPreferredVRate);
    setMinimumWidth(320);
}

void CvtTimingWidget::UpdateControls(bool full)
{
    if (full) {
        UpdateRefreshRateCbx(m_rates->checkedRates());
        ComboRows::show(m_aspect, rowOfAspect(m_timing.aspect));
        m_defined->setChecked(m_timing.defined);
        onDefined(m_timing.defined);
        m_height->setText(QString::number(m_timing.lines));
    }
    m_width->setText(QString::number(widthOf(m_timing)));
}

void CvtTimingWidget::UpdateRefreshRateCbx(const QStringList &rates)
{
    const QSignalBlocker blocker(m_preferred);
    m_preferred->clear();
    const QString rate60 = tr("60Hz");
    bool has60 = false;
    for (const QString &rate : rates) {
        if (rate.contains(rate60)) {
            if (!has60)
                m_preferred->addItem(rate60);
            has60 = true;
        } else {
            m_preferred->addItem(rate);
        }
    }
    ChangeVRateCbxSelection(RefreshRateToString(CvtRefreshRate(m_timing.preferredRate)));
    updatePreferredEnabled();
}

void CvtTimingWidget::ChangeVRateCbxSelection(const QString &text)
{
    const int row = m_preferred->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (row >= 0)
        m_preferred->setCurrentIndex(row);
}

void CvtTimingWidget::ResetSupportedRates()
{
    for (bool Cvt3ByteTiming::*flag : kRateFlags)
        m_timing.*flag = false;
}

unsigned CvtTimingWidget::StringToAspectRatio(const QString &text)
{
    if (text == tr("LandScape 16x10"))
        return AspectRatio16x10;
    if (text == tr("LandScape 16x9"))
        return AspectRatio16x9;
    if (text == tr("LandScape 4x3"))
        return AspectRatio4x3;
    return AspectRatioUndefined;
}

CvtRefreshRate CvtTimingWidget::StringToRefreshRate(const QString &text)
{
    if (text == tr("60Hz") || text == tr("60Hz(RB)"))
        return CvtRefreshRate60Hz;
    if (text == tr("75Hz"))
        return CvtRefreshRate75Hz;
    if (text == tr("85Hz"))
        return CvtRefreshRate85Hz;
    return CvtRefreshRate50Hz;
}

QString CvtTimingWidget::RefreshRateToString(CvtRefreshRate rate)
{
    switch (rate) {
    case CvtRefreshRate50Hz:
        return tr("50Hz");
    case CvtRefreshRate60Hz:
        return tr("60Hz");
    case CvtRefreshRate75Hz:
        return tr("75Hz");
    case CvtRefreshRate85Hz:
        return tr("85Hz");
    }
    return QString();
}

// The preferred rate can be chosen only for a defined code with at least one supported rate.
void CvtTimingWidget::updatePreferredEnabled()
{
    m_preferred->setEnabled(m_timing.defined && m_preferred->count() > 0);
}

void CvtTimingWidget::onDefined(bool on)
{
    m_timing.defined = on;
    for (QWidget *control : qAsConst(m_definedControls))
        control->setEnabled(on);
    updatePreferredEnabled();
    emit editFinished(m_index, m_timing);
}

void CvtTimingWidget::onDefinedToggled(bool on)
{
    const Cvt3ByteTiming shown = on ? m_timing : Cvt3ByteTiming();
    ComboRows::show(m_aspect, rowOfAspect(shown.aspect)); // quietly
    m_height->setText(QString::number(shown.lines));
    m_width->setText(QString::number(widthOf(shown)));
    QStringList rates;
    const QStringList texts = rateTexts();
    for (int i = 0; i < texts.size(); ++i) {
        if (shown.*kRateFlags[i])
            rates << texts.at(i);
    }
    m_rates->setCheckedRates(rates);
    UpdateRefreshRateCbx(rates);
    onDefined(on);
}

void CvtTimingWidget::onSetDataParams()
{
    onDefined(m_timing.defined);
    // Only a line count the field accepts replaces the copy's (an empty field would store 2
    // lines), and a list without a current row keeps a code it has no row for. A code holds
    // an even count: an odd one becomes the even count below it, and the field shows that.
    qlonglong lines = 0;
    if (m_height->hasAcceptableInput() && VyrNumberText::readWhole(m_height->text(), &lines)) {
        m_timing.lines = unsigned(lines) & ~1u;
        m_height->setText(QString::number(m_timing.lines));
    }
    if (ComboRows::currentRow(m_aspect) >= 0)
        m_timing.aspect = AspectRatioCode(StringToAspectRatio(m_aspect->currentText()));
    UpdateControls(false);
    emit editFinished(m_index, m_timing);
}

void CvtTimingWidget::onSupVRateChange(const QStringList &rates)
{
    ResetSupportedRates();
    const QStringList texts = rateTexts();
    for (const QString &rate : rates) {
        const int i = texts.indexOf(rate);
        if (i >= 0)
            m_timing.*kRateFlags[i] = true;
    }
    UpdateRefreshRateCbx(rates);
    emit editFinished(m_index, m_timing);
}

void CvtTimingWidget::onPreferredVRate(int row)
{
    if (row < 0)
        return;
    m_timing.preferredRate = StringToRefreshRate(m_preferred->itemText(row));
    emit editFinished(m_index, m_timing);
}
