#pragma once

#include "ceaextdatablockitem.h"

// A video data block (CTA-861-G, section 7.5.1): a drop-down list of the number of short video
// descriptors and one row per descriptor (native flag and VIC).
class CeaExtDataBlockVideoItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    CeaExtDataBlockVideoItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                             unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    // Replaces the descriptor rows by one per descriptor the block holds.
    void updateBlockData();
    // Shows every descriptor row's stored code and native flag without a row reporting it as
    // an edit.
    void showNativeFlags();

private:
    void onNumOfEntriesChanged(int count);

    QComboBox *m_countCombo = nullptr;
};
