#pragma once

#include "model/base/edidbaserecords.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QRadioButton;

// Editor of the screen size of an EDID base block (bytes 21 and 22): a size in centimetres,
// "Projector" (size undefined, both bytes 0) or, for EDID 1.4 only, one of eight landscape or
// portrait aspect ratios (VESA E-EDID 1.4, section 3.6.2).
//
// Works on its own copy of the record it is built with and never writes the caller's record
// or the EDID image: after every change it emits the whole copy, whose other fields stay as
// they were when the widget was built.
class BasicParAspectRatioWidget : public QWidget
{
    Q_OBJECT

public:
    BasicParAspectRatioWidget(BasicDisplayParams *params, QWidget *parent = nullptr,
                              bool isEdid14 = false);

    // Checks the button of the copy's size mode and fills its fields.
    void updateControls();
    // Takes the screen size of params into the copy and shows it, emitting nothing: after a
    // write, the block may read the size back as another kind (on EDID 1.4 a size with one
    // byte 0 is an aspect ratio).
    void showSize(const BasicDisplayParams &params);

signals:
    void editFinished(BasicDisplayParams params);

public slots:
    void onSetDataParams();

private:
    QLineEdit *sizeEdit();
    void updateSizeEditsEnabled();

    bool m_isEdid14;
    BasicDisplayParams *m_source; // the caller's record; kept, never written through
    BasicDisplayParams m_params;

    QRadioButton *m_projector = nullptr;
    QRadioButton *m_size = nullptr;
    QRadioButton *m_aspect = nullptr;  // EDID 1.4 only
    QComboBox *m_aspectList = nullptr; // EDID 1.4 only
    QLineEdit *m_hSize = nullptr;
    QLineEdit *m_vSize = nullptr;
};
