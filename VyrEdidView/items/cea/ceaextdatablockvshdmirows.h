#pragma once

#include "frame/vyrediditembase.h"

class CeaExtBlock;

// The rows below an HDMI vendor-specific data block item. Each row knows its field code, the
// data block index and the block object; it sets its own title from the field code and tells
// the hex view which bytes it shows. The item places the editors and writes; rows write nothing.
// The row classes differ only in the title table they read, so they share this base.
class CeaExtDataBlockVSHDMIRow : public VyrEdidItemBase
{
    Q_OBJECT

public:
    // Sets the title of the field code (empty for a code the class does not title).
    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    unsigned int fieldCode() const { return m_fieldCode; }
    unsigned int subIndex() const { return m_subIndex; }

    // A field code and its title (untranslated).
    struct Title
    {
        unsigned int code;
        const char *text;
    };
    // The title tables, one per row class (None: rows that are titled by the item).
    enum class Titles { None, Address, Features, ClockRate, Flags, Latency, ExtCaps };

protected:
    CeaExtDataBlockVSHDMIRow(unsigned int fieldCode, unsigned int index, unsigned int subIndex,
                             CeaExtBlock *block, unsigned char *image, Titles titles);

    unsigned int m_index;
    unsigned int m_fieldCode;
    unsigned int m_subIndex;
    CeaExtBlock *m_block;

private:
    Titles m_titles;
};

// A row titled from table T. Each named row class below is this row with its table; the names
// stay classes of their own (with their own meta-object names).
template <CeaExtDataBlockVSHDMIRow::Titles T>
class CeaExtDataBlockVSHDMITitledRow : public CeaExtDataBlockVSHDMIRow
{
public:
    CeaExtDataBlockVSHDMITitledRow(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                                   unsigned char *image, unsigned int subIndex = 0)
        : CeaExtDataBlockVSHDMIRow(fieldCode, index, subIndex, block, image, T)
    {}
};

// Codes 45-49: the source physical address.
class CeaExtDataBlockVSHDMISubItem
    : public CeaExtDataBlockVSHDMITitledRow<CeaExtDataBlockVSHDMIRow::Titles::Address>
{
    Q_OBJECT

public:
    using CeaExtDataBlockVSHDMITitledRow::CeaExtDataBlockVSHDMITitledRow;
};

// Codes 50-56: the flags byte.
// Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
class CeaExtDataBlockVSHDMIFeauturesItem
    : public CeaExtDataBlockVSHDMITitledRow<CeaExtDataBlockVSHDMIRow::Titles::Features>
{
    Q_OBJECT

public:
    using CeaExtDataBlockVSHDMITitledRow::CeaExtDataBlockVSHDMITitledRow;
};

// Codes 57-58: the maximum TMDS clock.
class CeaExtDataBlockVSHDMIClockRateItem
    : public CeaExtDataBlockVSHDMITitledRow<CeaExtDataBlockVSHDMIRow::Titles::ClockRate>
{
    Q_OBJECT

public:
    using CeaExtDataBlockVSHDMITitledRow::CeaExtDataBlockVSHDMITitledRow;
};

// Codes 59-63: the latency-flags byte and its content types.
class CeaExtDataBlockVSHDMIFlagsItem
    : public CeaExtDataBlockVSHDMITitledRow<CeaExtDataBlockVSHDMIRow::Titles::Flags>
{
    Q_OBJECT

public:
    using CeaExtDataBlockVSHDMITitledRow::CeaExtDataBlockVSHDMITitledRow;
};

// Codes 64-69: the latency pairs.
class CeaExtDataBlockVSHDMILatencyItem
    : public CeaExtDataBlockVSHDMITitledRow<CeaExtDataBlockVSHDMIRow::Titles::Latency>
{
    Q_OBJECT

public:
    using CeaExtDataBlockVSHDMITitledRow::CeaExtDataBlockVSHDMITitledRow;
};

// Codes 70-83: the HDMI video part. An HDMI VIC row (code 83) carries the VIC's index as its
// sub-index.
class CeaExtDataBlockVSHDMIExtCapsItem
    : public CeaExtDataBlockVSHDMITitledRow<CeaExtDataBlockVSHDMIRow::Titles::ExtCaps>
{
    Q_OBJECT

public:
    using CeaExtDataBlockVSHDMITitledRow::CeaExtDataBlockVSHDMITitledRow;
};

// A row of one entry with a check box in column 0 (a 3D mask bit, code 76; an extended 3D
// entry, code 81): relays a real change of that check box with the entry's sub-index. Text
// written into the row (the item titles mask rows itself) reports nothing.
class CeaExtDataBlockVSHDMIEntryRow : public CeaExtDataBlockVSHDMIRow
{
    Q_OBJECT

public:
    CeaExtDataBlockVSHDMIEntryRow(unsigned int fieldCode, unsigned int index, unsigned int subIndex,
                                  CeaExtBlock *block, unsigned char *image);

    // Connects the relay (the row must be in its tree); sets no title.
    bool InitItems() override;

signals:
    void itemCheckStateChanged(bool state, unsigned int index);

public slots:
    void onCheckStateChanged(QTreeWidgetItem *item, int collumn);

private:
    int m_lastState = -1; // check state last seen in column 0, -1 before the first
};

// Code 76, one per SVD k of the first 16: 3D mask bit k.
class CeaExtDataBlockVSHDMIMulti3DModeItem : public CeaExtDataBlockVSHDMIEntryRow
{
    Q_OBJECT

public:
    using CeaExtDataBlockVSHDMIEntryRow::CeaExtDataBlockVSHDMIEntryRow;
};

// Code 81, one per extended 3D entry k.
class CeaExtDataBlockVSHDMI3DSupportItem : public CeaExtDataBlockVSHDMIEntryRow
{
    Q_OBJECT

public:
    using CeaExtDataBlockVSHDMIEntryRow::CeaExtDataBlockVSHDMIEntryRow;
};
