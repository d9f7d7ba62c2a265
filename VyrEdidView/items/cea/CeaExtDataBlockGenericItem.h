#pragma once

#include "ceaextdatablockitem.h"
#include "model/cea/ceadatablocks.h"

// A data block of a kind without an item of its own (CeaBlockID 7 to 15: other vendor-specific
// blocks, the VESA and HDMI blocks, the audio extras; CeaBlockID 0: a tag or extended tag of no
// known kind, titled by its tags), field code 109 + CeaBlockID: its title row and the whole
// block's bytes, a drop-down list of its payload length, the vendor IEEE identifier
// (vendor-specific kinds) and one hexadecimal row per payload byte.
class CeaExtDataBlockGenericItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    // The field code of the first kind shown here is FieldCodeBase + 7.
    static constexpr unsigned int FieldCodeBase = 109;

    CeaExtDataBlockGenericItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                               unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    // The title of a field code ("Dummy" for a code of no kind).
    static QString titleOf(unsigned int fieldCode);
    // The title of a data block of no known kind: its tag code and extended tag.
    static QString titleOf(const CeaBlockTag &tag);

    // Rebuilds the rows from the block; the length list shows the stored length.
    void updateBlockData();

private:
    void onByteCountChanged(int count);

    QComboBox *m_countCombo = nullptr;
};
