#include "vyrdidtype4timingblock.h"

#include "items/displayid/vyrdiddatablocktable.h"
#include "items/displayid/vyrdidlineedititem.h"
#include "items/displayid/vyrdidtreeitem.h"
#include "model/displayid/displayidblock.h"

bool VyrDIDType4TimingBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagType4Timing));
    m_codes.clear();
    const unsigned int count = m_model ? m_model->GetNumOfType4DmtTimingDescriptors(m_index) : 0;
    QString text;
    for (unsigned int desc = 0; desc < count; ++desc) {
        DidType4DmtTimingDesc code;
        m_model->GetType4DmtTimingDescriptor(m_index, desc, &code);
        m_codes.push_back(code);
        text += QStringLiteral(" %1").arg(code.code);
    }

    // Not connected: the row shows the codes, its confirmations change nothing.
    auto *group = new VyrDIDTreeItem(tr("Timing Descriptor 1-50"), this);
    auto *cell = new VyrDIDLineEditItem(QString(), text, QString());
    cell->setReadOnly(true);
    cell->setToolTip(tr("The DMT ID codes are shown, not edited"));
    group->add(cell)->SetLocation(Location());
    return true;
}

void VyrDIDType4TimingBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDType4TimingBlock", name, value);
}
