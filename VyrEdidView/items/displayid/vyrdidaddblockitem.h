#pragma once

#include "items/displayid/vyrdiditembase.h"

class QToolButton;

// The last row of a DisplayID section, "Add block", with a plus button in the "Action" column.
// A click asks the section's block item to add a data block (addBlockSignal()).
class VyrDIDAddBlockItem : public VyrDIDItemBase
{
    Q_OBJECT

public:
    VyrDIDAddBlockItem(unsigned int index, DisplayIDBlock *model);

    bool InitItems() override;
    // The row takes no edits.
    void DoEdit(const QString &name, const QVariant &value) override;

    QToolButton *button() const { return m_button; }

signals:
    void addBlockSignal();

private:
    QToolButton *m_button = nullptr;
};
