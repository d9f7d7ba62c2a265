#pragma once

#include "items/base/basedescriptoritem.h"

#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTreeWidgetItem;

// One 18-byte detailed timing (VESA E-EDID 1.4, section 3.10.2) as eighteen rows: thirteen
// numbers, the sync kind, the stereo format, interlace and the two sync flags whose meaning
// follows the sync kind. Every edit reads the timing from the block, changes its one field and
// writes the whole timing back (the block re-encodes the 18 bytes and its checksum).
// Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
class VyrEdidDetiledTimingItem : public BaseDescriptorItem
{
    Q_OBJECT

public:
    // Field codes of the rows (VyrEdidDetiledTimingSubItem), as the block locates them.
    enum Field : unsigned int {
        HAddressable = 0,
        VAddressable = 1,
        HBlank = 2,
        VBlank = 3,
        HSyncStart = 4,
        VSyncStart = 5,
        HSyncWidth = 6,
        VSyncWidth = 7,
        HBorder = 8,
        VBorder = 9,
        HImageSize = 10,
        VImageSize = 11,
        PixelClock = 12,
        Interlace = 13,
        SyncSignal = 14,
        Flag1 = 15, // byte 17 bit 1
        Flag2 = 16, // byte 17 bit 2
        StereoFormat = 17,
        NumberFieldCount = 13 // codes 0 to 12 are line editors
    };

    // index: the timing as the block's detailed timing operations count it (the slot number 1
    // to 4 of a base block descriptor; an extension block may count from 0). number: the
    // ordinal in the title "Detailed Timing <number>".
    VyrEdidDetiledTimingItem(unsigned int index, unsigned int number, DataBlock *block);

    // Reads the timing and builds the rows; false, with no rows, without a block, when the
    // block has no such timing, or outside a tree.
    bool InitItems() override;
    // All 18 bytes.
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int number() const { return m_number; }
    // Numbers the timing anew (its title), when a descriptor before it changed its kind.
    void setNumber(unsigned int number);

    // Entries of the two lists; an entry's row is the record's value.
    static QStringList syncKindNames();
    static QStringList stereoNames();

public slots:
    void onHAdressable();
    void onHBlank();
    void onHSyncStart();
    void onHSyncWidth();
    void onHBorder();
    void onHImageSize();
    void onVAdressable();
    void onVBlank();
    void onVSyncStart();
    void onVSyncWidth();
    void onVBorder();
    void onVImageSize();
    void onPixelClock();
    void onSyncSignal(int kind);
    void onStereoFormat(int mode);
    void onInterlace(bool on);
    void onFlag1(bool on);
    void onFlag2(bool on);
    // Names the two flag rows after the sync kind shown.
    void setLabels();

protected:
    // The row of field code, made without parent: its title and the bytes it covers. A block
    // that numbers and locates its fields in its own terms makes its own rows.
    virtual VyrEdidItemBase *createFieldRow(unsigned int code);

private:
    // A number row: its field, accepted range, record field and handler.
    struct NumberRow
    {
        unsigned int code;
        int minimum;
        int maximum;
        quint32 DetailedTiming::*field;
        void (VyrEdidDetiledTimingItem::*handler)();
    };
    static const NumberRow NumberRows[NumberFieldCount];

    // Flag row labels by sync kind 0 to 3: bit 1 row, bit 2 row.
    static const char *const FlagLabels[4][2];

    // Adds the row of code and runs its InitItems.
    QTreeWidgetItem *addFieldRow(unsigned int code);
    // Stores the number of the editor of code.
    void storeNumber(unsigned int code);
    void editTiming(const std::function<void(DetailedTiming &)> &change);

    unsigned int m_number;
    QLineEdit *m_numbers[NumberFieldCount] = {};
    QComboBox *m_syncKind = nullptr;
    QComboBox *m_stereo = nullptr;
    QTreeWidgetItem *m_flag1Row = nullptr;
    QTreeWidgetItem *m_flag2Row = nullptr;
};
