#pragma once

#include "items/diext/diextitem.h"
#include "model/diext/diexttypes.h"

#include <functional>
#include <utility>

class QComboBox;
class QLineEdit;

// One row of the "Data Format and Clock" section of a DI-EXT block. Field codes: 6 "Data
// Format" (byte 8), 7 "Edge of Shift Clock", 8 "Data Enable Signal" (byte 7), 9 "Min.Pixel
// Clock" (byte 9), 10 "Max.Pixel Clock" (bytes 10-11), 11 "CrossOver Freq." (bytes 12-13), 12
// "HDCP Supported", 13 "Double Clocking Supported", 14 "Packetized Video Supported" (byte 7);
// any other code has no title and covers the section.
class DiExtDataFormatSubItems : public DiExtItem
{
    Q_OBJECT

public:
    DiExtDataFormatSubItems(unsigned int code, unsigned int index, DiExtBlock *block,
                            unsigned char *image);
};

// The "Data Format and Clock" section of a DI-EXT block (bytes 7-13): the digital interface's
// pixel data format, shift clock edge, data enable signal, pixel clock limits, crossover
// frequency and three support flags.
class DiExtDataFormatItems : public DiExtItem
{
    Q_OBJECT

public:
    DiExtDataFormatItems(DiExtBlock *block, unsigned char *image);

    bool InitItems() override;
    // The section's bytes, the data format code (byte 8) included.
    QList<EdidItemLocation> GetItemLocations() const override;
    // Builds the rows again from the bytes, after another section wrote them (a general info
    // write on an analog interface resets this section).
    void rebuildRows();

private:
    void onComboDataFormat(int index);
    void onComboShiftClock(int index);
    void onComboEnableSignal(int index);
    void onEditMinClock(const QString &text);
    void onEditMaxClock(const QString &text);
    void onEditCrossOverFreq(const QString &text);
    void onCheckStateChanged(bool state, int subItemType);

    // A pixel clock limit typed into its editor: stored unless it passes the other limit (a
    // warning then says so).
    void editClockLimit(const QString &text, bool minimum);

    // The section as the block holds it now.
    DiDataFormatDesc current() const;
    // Reads the section, lets change set its field, writes the section and notifies.
    void edit(const std::function<void(DiDataFormatDesc &)> &change);

    QLineEdit *m_minClockEdit = nullptr;
    QLineEdit *m_maxClockEdit = nullptr;
    QLineEdit *m_crossOverEdit = nullptr;
    QTreeWidgetItem *m_crossOverRow = nullptr;
    DiDataFormatDesc m_format;
};
