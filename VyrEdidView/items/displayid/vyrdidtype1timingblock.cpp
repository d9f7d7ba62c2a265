#include "vyrdidtype1timingblock.h"

#include "items/displayid/vyrdiddatablocktable.h"
#include "items/displayid/vyrdidtimingentries.h"
#include "model/displayid/displayidblock.h"

bool VyrDIDType1TimingBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagType1Timing));
    const unsigned int count = m_model ? m_model->GetNumOfType1DetTimingDescriptors(m_index) : 0;
    VyrDIDTimingEntries::addTo<Type1TimingEntry>(this, count);
    return true;
}

void VyrDIDType1TimingBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDType1TimingBlock", name, value);
}
