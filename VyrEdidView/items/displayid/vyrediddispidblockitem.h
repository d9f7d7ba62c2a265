#pragma once

#include "frame/vyredidblockitem.h"

#include <vector>

class DisplayIDBlock;
class VyrDIDItemBase;

// A DisplayID section: the base section at the image start or an extension section. Its kind
// code is -1, so the view highlights nothing for it. Its rows, made when it is made and built by
// InitItems(): "General Info" (VyrDIDSection), one item per data block the tree knows (the
// others keep their positions in the block map but get no row), and "Add block".
//
// Adding a data block, or an item's write that changes where data blocks lie, rebuilds rows
// once control is back in the event loop (requestRebuild()): for an extension section its own
// rows; for a base section the whole tree, since its size moves every block behind it.
class VyrEdidDispIdBlockItem : public VyrEdidBlockItem
{
    Q_OBJECT

public:
    // isBase: the root passes true for the first block; image: the start of the EDID image;
    // startOffset: where the block starts in it. The title follows the section, not isBase.
    VyrEdidDispIdBlockItem(bool isBase, unsigned char *image, unsigned int startOffset,
                           DisplayIDBlock *model);

    // Builds the rows of every child, in order.
    bool InitItems() override;
    // The extensions a base section announces; 0 for an extension section.
    unsigned int GetNumberOfExtentions() override;
    void SetNumberOfExtentions(unsigned int count) override;

    // The item for data block i, by its tag; null for a tag without item.
    VyrDIDItemBase *CreateDataBlockItem(int i);

    // Rebuilds the section's rows, or for a base section the whole tree, from the event loop.
    // Until then the rows that show moved bytes are detached (they take no edits). Several
    // requests before the rebuild make one rebuild.
    void requestRebuild();

    bool isBase() const { return m_isBase; }
    DisplayIDBlock *model() const { return m_model; }

public slots:
    // Offers the kinds of data block the section can still take, adds the chosen one and
    // rebuilds.
    void onAddDataBlock();

private:
    // Makes the children (not yet initialised) and adds them.
    void buildChildren();
    void rebuildRows();
    // The names of the kinds that can be added now, with their model kinds.
    QList<QPair<QString, unsigned int>> addableKinds() const;

    bool m_isBase;
    DisplayIDBlock *m_model;
    // The children in order; not owned (they are child rows).
    std::vector<VyrDIDItemBase *> m_items;
    bool m_rebuildPending = false;
};
