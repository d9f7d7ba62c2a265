#pragma once

#include "items/diext/diextitem.h"
#include "model/diext/diexttypes.h"

#include <functional>

class QLineEdit;

// One row of the "Display Capabilities" section of a DI-EXT block. Field codes: 27
// "Miscellaneous" with 28 "Scaler On Board", 29 "Interlaced", 30 "Image Centered", 32 "VGA/DOS
// Legacy Mode", 33 "Conditional Update", 34 "Stereo Video" (byte 20) and 31 "Frame Lock" (byte
// 21); 35 "Orientation" with 36 (display or projector), 37 (landscape or portrait), 38
// "Orientation Type", 39 "Scan Direction", 40 "Zero Pixel Location" (byte 26); 41 "Aspecct Ratio
// Conversion Modes" with 42 "Full", 43 "Zoom", 44 "Squeeze", 45 "Variable" (byte 38); 46
// "Frequency Conversion" with 47 "Frame Rate(Hz)" and 48 "Line Rate(kHz)" (bytes 21-25). Codes
// 36 and 37 have no title (their list sits in the title column); any other code has none and
// covers the section.
class DiExtDispCapSubItems : public DiExtItem
{
    Q_OBJECT

public:
    DiExtDispCapSubItems(unsigned int code, unsigned int index, DiExtBlock *block,
                         unsigned char *image);
};

// The "Display Capabilities" section of a DI-EXT block (bytes 20-26 and the high nibble of byte
// 38): miscellaneous flags and the stereo mode, the orientation, the aspect ratio conversions and
// the frame rate conversion with its frame and line rates.
class DiExtDispCapItems : public DiExtItem
{
    Q_OBJECT

public:
    DiExtDispCapItems(DiExtBlock *block, unsigned char *image);

    bool InitItems() override;

private:
    void onCheckStateChanged(bool state, int subItemType);
    void onComboStereo(int index);
    void onComboOrientDispProj(int index);
    void onComboOrientPortLand(int index);
    void onComboOrientType(int index);
    void onComboScanDir(int index);
    void onComboZeroPixelLoc(int index);
    void onComboRateConversion(int index);
    void onEditFrameRate(const QString &text);
    void onEditLineRate(const QString &text);

    // Check rows for codes first to last below group, each showing its flag.
    void placeFlags(QTreeWidgetItem *group, unsigned int first, unsigned int last);
    // A list row below parent showing value in column; a choice reaches handler.
    void placeCapsList(unsigned int code, QTreeWidgetItem *parent, const QStringList &entries,
                       uint32_t value, void (DiExtDispCapItems::*handler)(int),
                       int column = VyrEdidColumn::Value);
    // A rate row below parent: its editor, holding rate, reports to handler.
    QLineEdit *placeRate(unsigned int code, QTreeWidgetItem *parent, double rate,
                         const QString &toolTip,
                         void (DiExtDispCapItems::*handler)(const QString &));
    // Enables the rate editors for a frequency conversion: 1 vertical (the frame rate), 2
    // horizontal (the line rate), 3 both, anything else neither.
    void enableRates(int conversion);
    // Reads the section, lets change set its field, writes the section and notifies.
    void edit(const std::function<void(DiDisplayCaps &)> &change);

    DiDisplayCaps m_caps;
    QLineEdit *m_frameRateEdit = nullptr;
    QLineEdit *m_lineRateEdit = nullptr;
};
