#include "vyrdidtype3timingblock.h"

#include "items/displayid/vyrdiddatablocktable.h"
#include "items/displayid/vyrdidtimingentries.h"
#include "model/displayid/displayidblock.h"

bool VyrDIDType3TimingBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagType3Timing));
    const unsigned int count = m_model ? m_model->GetNumOfType3ShortTimingDescriptors(m_index) : 0;
    VyrDIDTimingEntries::addTo<Type3TimingEntry>(this, count);
    return true;
}

void VyrDIDType3TimingBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDType3TimingBlock", name, value);
}
