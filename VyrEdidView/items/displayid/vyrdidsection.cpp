#include "vyrdidsection.h"

#include "frame/vyredidchecksum.h"
#include "frame/vyredidinfotree.h"
#include "items/displayid/didtexttable.h"
#include "model/displayid/displayidblock.h"

#include <iterator>

// The section header: version, length, product type, extension count; the checksum follows
// the data blocks.
static constexpr unsigned int HeaderBytes = 4;

VyrDIDSection::VyrDIDSection(unsigned int index, DisplayIDBlock *model)
    : VyrDIDItemBase(index, model)
{
    QList<EdidItemLocation> locations;
    if (m_model) {
        DisplayID_Section_Header header;
        m_model->GetSectionHeader(&header);
        const unsigned int start = BaseOffset();
        locations = {{start, HeaderBytes}, {start + HeaderBytes + header.sectionLength, 1}};
    }
    setLocations(locations);
}

bool VyrDIDSection::InitItems()
{
    setText(VyrEdidColumn::Property, tr("General Info"));
    DisplayID_Section_Header header;
    if (m_model)
        m_model->GetSectionHeader(&header);
    const unsigned int start = BaseOffset();
    const QString number = QStringLiteral("%1");
    addInfoRow(tr("Version"), number.arg(header.version, 0, 16), QStringLiteral("[HEX]"),
               {{start, 1}});
    addInfoRow(tr("Section Size"), number.arg(header.sectionLength, 0, 10), QStringLiteral("[DEC]"),
               {{start + 1, 1}});
    const QString productType = header.productType < std::size(DIDProductType)
                                    ? didText(DIDProductType[header.productType])
                                    : tr("Invalid Value");
    addInfoRow(tr("Product Type"), productType, QStringLiteral("[TXT]"), {{start + 2, 1}});
    addInfoRow(tr("Extension Count"), number.arg(header.extensionCount, 0, 10),
               QStringLiteral("[DEC]"), {{start + 3, 1}});
    const unsigned int checksum = m_model ? m_model->GetChecksum() : 0;
    VyrDIDTreeWidgetItem *checksumRow =
        addInfoRow(tr("Checksum"), number.arg(checksum, 0, 16), QStringLiteral("[HEX]"), {});
    showChecksum(checksumRow);
    // Every edit of the section rewrites its checksum.
    if (auto *tree = qobject_cast<VyrEdidInfoTree *>(treeWidget()))
        relay(tree, &VyrEdidInfoTree::edidDataChanged,
              [this, checksumRow]() { showChecksum(checksumRow); });
    return true;
}

void VyrDIDSection::showChecksum(QTreeWidgetItem *row) const
{
    if (!m_model)
        return;
    const VyrEdidChecksum::Hex hex = [](unsigned value) { return QString::number(value, 16); };
    VyrEdidChecksum::show(row, VyrEdidColumn::Value, m_model->GetChecksum(),
                          m_model->GetComputedChecksum(), hex);
    // A wrapped section's EDID block has a checksum of its own, shown here when it is wrong.
    unsigned stored = 0;
    unsigned computed = 0;
    if (m_model->GetWrappedBlockChecksum(&stored, &computed) && stored != computed) {
        row->setText(VyrEdidColumn::Value, tr("%1; EDID block %2")
                                               .arg(row->text(VyrEdidColumn::Value),
                                                    VyrEdidChecksum::text(stored, computed, hex)));
        row->setToolTip(VyrEdidColumn::Value,
                        tr("The EDID block's bytes need checksum %1 in byte 127; an edit of the "
                           "section rewrites it.")
                            .arg(hex(computed)));
    }
}

unsigned int VyrDIDSection::BaseOffset() const
{
    return m_model ? m_model->GetStartOffset() : 0;
}

void VyrDIDSection::DoEdit(const QString &name, const QVariant &value)
{
    logEdit(nullptr, name, value);
}

VyrDIDTreeWidgetItem *VyrDIDSection::addInfoRow(const QString &name, const QString &value,
                                                const QString &typeTag,
                                                const QList<EdidItemLocation> &locations)
{
    auto *row = new VyrDIDTreeWidgetItem(this);
    row->setText(VyrEdidColumn::Property, name);
    row->setText(VyrEdidColumn::Value, value);
    row->setText(VyrEdidColumn::Type, typeTag);
    row->setLocations(locations);
    return row;
}
