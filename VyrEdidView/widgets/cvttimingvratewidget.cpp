#include "cvttimingvratewidget.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QSignalBlocker>

CvtTimingVRateWidget::CvtTimingVRateWidget(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QGridLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    // Spare width goes to an empty column on the right, so the boxes stay in even columns.
    m_layout->setColumnStretch(kColumns, 1);
}

QCheckBox *CvtTimingVRateWidget::addRate(const QString &text, bool checked)
{
    auto *box = new QCheckBox(text, this);
    box->setChecked(checked);
    if (checked)
        m_checkedRates.append(text);
    m_layout->addWidget(box, m_row, m_column);
    if (++m_column == kColumns) {
        m_column = 0;
        ++m_row;
    }
    connect(box, &QCheckBox::toggled, this, &CvtTimingVRateWidget::onStateChanged);
    return box;
}

void CvtTimingVRateWidget::setCheckedRates(const QStringList &rates)
{
    m_checkedRates.clear();
    for (int i = 0; i < m_layout->count(); ++i) {
        auto *box = qobject_cast<QCheckBox *>(m_layout->itemAt(i)->widget());
        if (!box)
            continue;
        const QSignalBlocker quiet(box);
        box->setChecked(rates.contains(box->text()));
        if (box->isChecked())
            m_checkedRates.append(box->text());
    }
}

void CvtTimingVRateWidget::onStateChanged()
{
    m_checkedRates.clear();
    for (int i = 0; i < m_layout->count(); ++i) {
        const auto *box = qobject_cast<QCheckBox *>(m_layout->itemAt(i)->widget());
        if (box && box->isChecked())
            m_checkedRates.append(box->text());
    }
    emit currentRatesChanged(m_checkedRates);
}
