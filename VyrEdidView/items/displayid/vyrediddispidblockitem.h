#pragma once

#include "frame/vyredidblockitem.h"

class DisplayIDBlock;

// A DisplayID section: the base section at the image start or an extension section. Its kind
// code is -1, so the view highlights nothing for it. The item shows its title and reports the
// section's bytes.
class VyrEdidDispIdBlockItem : public VyrEdidBlockItem
{
    Q_OBJECT

public:
    // isBase: the root passes true for the first block; image: the start of the EDID image;
    // startOffset: where the block starts in it.
    VyrEdidDispIdBlockItem(bool isBase, unsigned char *image, unsigned int startOffset,
                           DisplayIDBlock *model);

    // The extensions a base section announces; 0 for an extension section.
    unsigned int GetNumberOfExtentions() override;
    void SetNumberOfExtentions(unsigned int count) override;

    bool isBase() const { return m_isBase; }
    DisplayIDBlock *model() const { return m_model; }

private:
    bool m_isBase;
    DisplayIDBlock *m_model;
};
