#pragma once

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QGridLayout;

// The supported vertical rates of a CVT 3-byte code: one check box per rate, in rows of three.
// Keeps the texts of the checked boxes in layout order and reports them after every toggle.
class CvtTimingVRateWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CvtTimingVRateWidget(QWidget *parent = nullptr);

    // Adds a box in the next cell; a checked box's text joins the checked rates.
    QCheckBox *addRate(const QString &text, bool checked);
    const QStringList &checkedRates() const { return m_checkedRates; }
    // Checks exactly the boxes whose texts are in rates, reporting nothing.
    void setCheckedRates(const QStringList &rates);

signals:
    void currentRatesChanged(const QStringList &rates);

public slots:
    void onStateChanged();

private:
    static constexpr int kColumns = 3;

    QGridLayout *m_layout;
    QStringList m_checkedRates;
    int m_row = 0;
    int m_column = 0;
};
