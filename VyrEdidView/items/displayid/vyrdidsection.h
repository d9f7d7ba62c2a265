#pragma once

#include "items/displayid/vyrdiditembase.h"

// "General Info" of a DisplayID section: its four header bytes and its checksum as read-only
// rows ("Version", "Section Size", "Product Type", "Extension Count", "Checksum"). Selecting
// it shows the header bytes and the checksum byte. A checksum that does not match its bytes is
// marked, the EDID block's of a wrapped section included.
class VyrDIDSection : public VyrDIDItemBase
{
    Q_OBJECT

public:
    VyrDIDSection(unsigned int index, DisplayIDBlock *model);

    bool InitItems() override;
    // The section's first byte in the image; 0 without a model.
    unsigned int BaseOffset() const override;
    // The rows take no edits.
    void DoEdit(const QString &name, const QVariant &value) override;

private:
    VyrDIDTreeWidgetItem *addInfoRow(const QString &name, const QString &value,
                                     const QString &typeTag,
                                     const QList<EdidItemLocation> &locations);
    // Shows the checksums the section (and its EDID block) hold now in row.
    void showChecksum(QTreeWidgetItem *row) const;
};
