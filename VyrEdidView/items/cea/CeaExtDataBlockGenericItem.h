#pragma once

#include "ceaextdatablockitem.h"
#include "model/cea/ceadatablocks.h"

// A data block of a kind without an item of its own (other vendor-specific blocks, the VESA and
// HDMI blocks, the audio extras: the rows of the table of data block items that name this item;
// CeaBlockDummy: a tag or extended tag of no known kind, titled by its tags): its title row and
// the whole block's bytes, a drop-down list of its payload length, the vendor IEEE identifier
// (vendor-specific kinds) and one hexadecimal row per payload byte.
class CeaExtDataBlockGenericItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    // title: the title of the block's kind; empty for a block of no known kind.
    CeaExtDataBlockGenericItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                               unsigned char *image, const QString &title);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    // The title of a data block of no known kind: its tag code and extended tag.
    static QString titleOf(const CeaBlockTag &tag);

    // Rebuilds the rows from the block; the length list shows the stored length.
    void updateBlockData();

private:
    void onByteCountChanged(int count);

    QComboBox *m_countCombo = nullptr;
};
