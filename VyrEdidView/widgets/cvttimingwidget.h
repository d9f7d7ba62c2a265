#pragma once

#include "model/edidtypes.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class CvtTimingVRateWidget;
class QCheckBox;
class QComboBox;
class QLineEdit;

// Editor of one CVT 3-byte timing code (VESA E-EDID 1.4, section 3.10.3.8): whether it is
// defined, its vertical active lines, aspect ratio, supported vertical rates and preferred
// vertical rate, with the horizontal active pixels that follow. Used by the CVT 3-byte code
// descriptor of the base block and by the CVT section of a VTB-EXT block.
//
// Works on its own copy of the code and never touches the EDID image: after a change it emits
// the index it was built with and the whole copy. A change of the aspect or the lines emits
// twice (first through the "Defined" state with the values held before, then with the new
// ones); a receiver that stores each emission keeps the last.
class CvtTimingWidget : public QWidget
{
    Q_OBJECT

public:
    // A null timing edits an all-zero (not defined) code.
    CvtTimingWidget(const Cvt3ByteTiming *timing, unsigned index, QWidget *parent = nullptr);

    // full: puts the whole copy into the controls; otherwise refreshes the derived width only.
    void UpdateControls(bool full);
    // Refills the preferred-rate list from the checked rate texts (both 60 Hz variants give one
    // "60Hz" row) and selects the copy's preferred rate; the copy is not changed.
    void UpdateRefreshRateCbx(const QStringList &rates);
    // Makes the first row whose text equals text current; without one nothing changes.
    void ChangeVRateCbxSelection(const QString &text);
    void ResetSupportedRates();

    // Aspect code of an aspect list text; 0 for any other text.
    static unsigned StringToAspectRatio(const QString &text);
    // Preferred rate of a rate text ("60Hz" and "60Hz(RB)" both give 60 Hz); 50 Hz otherwise.
    static CvtRefreshRate StringToRefreshRate(const QString &text);
    // Text of a preferred rate; empty for a value outside 0 to 3.
    static QString RefreshRateToString(CvtRefreshRate rate);

signals:
    void editFinished(unsigned index, const Cvt3ByteTiming &timing);

public slots:
    void onSetDataParams();
    void onDefined(bool on);
    void onSupVRateChange(const QStringList &rates);
    // The user chose a row of the preferred-rate list.
    void onPreferredVRate(int row);

private:
    void InitControls();
    void updatePreferredEnabled();
    // The user ticked or cleared "Defined": the controls show the copy's mode, or for a code no
    // longer defined what a block read afresh shows for an empty code (first aspect row, 0
    // lines, no rates). The copy keeps its mode, so ticking "Defined" again brings it back.
    void onDefinedToggled(bool on);

    unsigned m_index;
    Cvt3ByteTiming m_timing;

    QCheckBox *m_defined = nullptr;
    QComboBox *m_aspect = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
    QComboBox *m_preferred = nullptr;
    CvtTimingVRateWidget *m_rates = nullptr;
    QList<QWidget *> m_definedControls; // enabled exactly while the code is defined
};
