#include "vyrdidtype2timingblock.h"

#include "items/displayid/vyrdiddatablocktable.h"
#include "items/displayid/vyrdidtimingentries.h"
#include "model/displayid/displayidblock.h"

bool VyrDIDType2TimingBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagType2Timing));
    const unsigned int count = m_model ? m_model->GetNumOfType2DetTimingDescriptors(m_index) : 0;
    VyrDIDTimingEntries::addTo<Type2TimingEntry>(this, count);
    return true;
}

void VyrDIDType2TimingBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDType2TimingBlock", name, value);
}
