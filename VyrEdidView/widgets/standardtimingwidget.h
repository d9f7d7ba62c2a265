#pragma once

#include "model/edidtypes.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;

// Editor of one 2-byte standard timing (VESA E-EDID 1.4, section 3.9): whether it is defined,
// its aspect ratio, horizontal active pixels and refresh rate, with the vertical active lines
// that follow from them. Used for the eight standard timings of the base block, the six of a
// standard timing descriptor and the standard timings of a VTB-EXT block.
//
// Works on its own copy of the record and never touches the EDID image: after a change it
// emits the whole copy. A defined timing is emitted only with a width and a refresh rate the
// user can see in the fields, so no value the user did not choose reaches the image.
class StandardTimingWidget : public QWidget
{
    Q_OBJECT

public:
    // square: the first aspect row reads "Square   1x1" and its height equals the width.
    StandardTimingWidget(StandardTiming *timing, bool square = false, QWidget *parent = nullptr);

signals:
    void editFinished(StandardTiming timing);

public slots:
    void onSetDataParams();

private:
    unsigned heightOf(int row, unsigned width) const;
    void setEditsEnabled(bool defined);
    void warnInvalidWidth();

    bool m_square;
    StandardTiming m_timing;
    bool m_warningOpen = false; // a warning box is up; its focus change must not open another

    QCheckBox *m_defined = nullptr;
    QComboBox *m_aspect = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
    QLineEdit *m_refresh = nullptr;
};
