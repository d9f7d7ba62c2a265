#include "vyrdidstereodisplayinterfaceblock.h"

#include "items/displayid/didtexttable.h"
#include "items/displayid/vyrdidcomboboxitem.h"
#include "items/displayid/vyrdiddatablocktable.h"
#include "model/displayid/displayidblock.h"

#include <iterator>

bool VyrDIDStereoDisplayInterfaceBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagStereoInterface));
    DidStereoInterfaceDataBlock record;
    DisplayID_Block_Header header;
    if (m_model) {
        m_model->GetStereoInterfaceDataBlock(m_index, &record);
        m_model->GetDisplayBlockHeader(m_index, &header);
    }

    auto *cell = new VyrDIDComboBoxItem(tr("Interface Method"));
    cell->clear();
    for (int method = 0; method < int(std::size(stereoMethodStr)); ++method)
        cell->addItem(ComboBoxData{didText(stereoMethodStr[method]), method});
    cell->addItem(ComboBoxData{tr("Proprietary"), 255});
    // The entry of the method's value: 255 is the last entry, not the 256th.
    cell->setCurrentValue(int(record.method));
    cell->setEnabled(false);
    cell->setToolTip(tr("The stereo interface method is shown, not edited"));

    VyrDIDTreeWidgetItem *row = addNamedChild(cell);
    // Payload byte 1; a payload without it shows the data block.
    if (header.payloadLength >= 2)
        row->SetLocation({BaseOffset() + 1, 1});
    else
        row->SetLocation(Location());
    return true;
}

void VyrDIDStereoDisplayInterfaceBlock::DoEdit(const QString &name, const QVariant &value)
{
    logEdit("VyrDIDStereoDisplayInterfaceBlock", name, value);
}
