#pragma once

#include "model/base/edidbaserecords.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QStackedWidget;

// Editor of the video input definition of an EDID base block (byte 20): analog or digital
// input; for analog the signal level standard and the five sync and setup flags, for digital
// the colour bit depth and the interface standard (VESA E-EDID 1.4, section 3.6.1).
//
// Works on its own copy of the record it is built with and never writes the caller's record
// or the EDID image: after every change it emits the whole copy, whose other fields stay as
// they were when the widget was built.
class BasicParSignalCharWidget : public QWidget
{
    Q_OBJECT

public:
    BasicParSignalCharWidget(BasicDisplayParams *params, QWidget *parent = nullptr,
                             bool isEdid14 = false);

    // Puts the copy into the controls of its input kind.
    void updateControls();

signals:
    void editFinished(BasicDisplayParams params);

public slots:
    void onSetDataParams();
    void onSignalType(int index);

private:
    void buildControls();
    void buildLayout();
    void connectControls();

    bool m_isEdid14;
    BasicDisplayParams *m_source; // the caller's record; kept, never written through
    BasicDisplayParams m_params;

    QComboBox *m_signalType = nullptr;
    QComboBox *m_signalLevel = nullptr;
    QComboBox *m_colorDepth = nullptr;
    QComboBox *m_interface = nullptr;
    QCheckBox *m_setup = nullptr;
    QCheckBox *m_separateSync = nullptr;
    QCheckBox *m_compositeSync = nullptr;
    QCheckBox *m_syncOnGreen = nullptr;
    QCheckBox *m_serration = nullptr;
    QStackedWidget *m_pages = nullptr;
};
