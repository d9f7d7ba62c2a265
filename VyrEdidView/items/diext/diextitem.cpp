#include "diextitem.h"

#include "model/diext/diextblock.h"

#include <QComboBox>

namespace {

constexpr int LeastListWidth = 140;

} // namespace

DiExtItem::DiExtItem(unsigned int code, unsigned int index, DiExtBlock *block, unsigned char *image,
                     Locate locate)
    : VyrEdidItemBase(image, VyrEdidItemKind::DiExtension)
    , m_block(block)
    , m_code(code)
    , m_index(index)
    , m_locate(locate)
{}

bool DiExtItem::InitItems()
{
    return true;
}

QList<EdidItemLocation> DiExtItem::GetItemLocations() const
{
    if (!m_block || !m_locate)
        return {};
    return (m_block->*m_locate)(m_code, m_index, m_bytes);
}

void DiExtItem::fitWidth(QComboBox *combo)
{
    combo->setMaximumWidth(qMax(LeastListWidth, combo->sizeHint().width()));
}
