#pragma once

#include "frame/vyrediditembase.h"

class CeaExtBlock;

// The rows below an HDMI vendor-specific data block item. Each row knows its field code, the
// data block index and the block object; it sets its own title from the field code and tells
// the hex view which bytes it shows. The item places the editors and writes; rows write nothing.
// The row classes differ only in the range of field codes they are built with, so they share
// this base and its one title table.
class CeaExtDataBlockVSHDMIRow : public VyrEdidItemBase
{
    Q_OBJECT

public:
    CeaExtDataBlockVSHDMIRow(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                             unsigned char *image, unsigned int subIndex = 0);

    // Sets the title of the field code (empty for a code without one).
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

protected:
    unsigned int m_index;
    unsigned int m_fieldCode;
    unsigned int m_subIndex;
    CeaExtBlock *m_block;
};

// The named row classes below are this row with the field codes of one part of the block; the
// names stay classes of their own (with their own meta-object names).

// Codes 45-49: the source physical address.
class CeaExtDataBlockVSHDMISubItem : public CeaExtDataBlockVSHDMIRow
{
    Q_OBJECT

public:
    using CeaExtDataBlockVSHDMIRow::CeaExtDataBlockVSHDMIRow;
};

// Codes 50-56: the flags byte.
// Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
class CeaExtDataBlockVSHDMIFeauturesItem : public CeaExtDataBlockVSHDMIRow
{
    Q_OBJECT

public:
    using CeaExtDataBlockVSHDMIRow::CeaExtDataBlockVSHDMIRow;
};

// Codes 57-58: the maximum TMDS clock.
class CeaExtDataBlockVSHDMIClockRateItem : public CeaExtDataBlockVSHDMIRow
{
    Q_OBJECT

public:
    using CeaExtDataBlockVSHDMIRow::CeaExtDataBlockVSHDMIRow;
};

// Codes 59-63: the latency-flags byte and its content types.
class CeaExtDataBlockVSHDMIFlagsItem : public CeaExtDataBlockVSHDMIRow
{
    Q_OBJECT

public:
    using CeaExtDataBlockVSHDMIRow::CeaExtDataBlockVSHDMIRow;
};

// Codes 64-69: the latency pairs.
class CeaExtDataBlockVSHDMILatencyItem : public CeaExtDataBlockVSHDMIRow
{
    Q_OBJECT

public:
    using CeaExtDataBlockVSHDMIRow::CeaExtDataBlockVSHDMIRow;
};

// Codes 70-83: the HDMI video part. An HDMI VIC row (code 83) carries the VIC's index as its
// sub-index.
class CeaExtDataBlockVSHDMIExtCapsItem : public CeaExtDataBlockVSHDMIRow
{
    Q_OBJECT

public:
    using CeaExtDataBlockVSHDMIRow::CeaExtDataBlockVSHDMIRow;
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
