#pragma once

#include "frame/vyrediditembase.h"

class CeaExtBlock;
struct CeaGeneralInfo;

// "General Info" of a CEA-861 extension (CTA-861-G, section 7.5): the header read when the rows
// are built (revision, number of data blocks, native detailed timings, start of the detailed
// timings, free data block bytes) with the checksum kept up to date after every edit of the tree,
// and the four capability flags of byte 3 (YCbCr 4:2:2 and 4:4:4, basic audio, underscan). A flag
// edit writes only bits 7-4 of byte 3; the native count in bits 3-0 is the detailed timing
// list's.
class VyrEdidCeaExtGeneralInfoItem : public VyrEdidItemBase
{
    Q_OBJECT

public:
    VyrEdidCeaExtGeneralInfoItem(unsigned int startOffset, CeaExtBlock *block,
                                 unsigned char *image);

    bool InitItems() override;
    // The whole block.
    QList<EdidItemLocation> GetItemLocations() const override;

    CeaExtBlock *block() const { return m_block; }
    unsigned int startOffset() const { return m_startOffset; }

public slots:
    void onCheckYCbCr422(bool on);
    void onCheckYCbCr444(bool on);
    void onCheckSupportAudio(bool on);
    void onCheckUnderscanITFormat(bool on);

private:
    // A read-only value row: label at most 60 pixels wide.
    void addValueRow(QTreeWidgetItem *row, const QString &value, const QString &typeTag,
                     QLabel **label = nullptr);
    void setFlag(bool CeaGeneralInfo::*flag, bool on);
    // Shows the counts, the offset and the checksum the block holds now.
    void refreshValues();

    unsigned int m_startOffset;
    CeaExtBlock *m_block;
    QLabel *m_dataBlockCount = nullptr;
    QLabel *m_dtdCount = nullptr;
    QLabel *m_dtdOffset = nullptr;
    QLabel *m_freeBytes = nullptr;
    QLabel *m_checksum = nullptr;
};
