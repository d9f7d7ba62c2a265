#pragma once

#include "ceaextdatablockitem.h"
#include "model/cea/ceadatablocks.h"

// An audio data block (CTA-861-G, section 7.5.2): a drop-down list of the number of short audio
// descriptors and one row per descriptor. The item reports the bytes of the first descriptor
// (the whole block when it has none).
class CeaExtDataBlockAudioItem : public CeaExtDataBlockItem
{
    Q_OBJECT

public:
    CeaExtDataBlockAudioItem(unsigned int fieldCode, unsigned int index, CeaExtBlock *block,
                             unsigned char *image);

    bool InitItems() override;
    QList<EdidItemLocation> GetItemLocations() const override;

    // Replaces the descriptor rows by one per descriptor the block holds.
    void updateBlockData();

private:
    void onNumOfEntriesChanged(int count);

    // The descriptors as last read: a count raised again brings back what it held (zero bytes
    // for descriptors never read).
    CeaSADDataBlock m_copy{};
    QComboBox *m_countCombo = nullptr;
};
