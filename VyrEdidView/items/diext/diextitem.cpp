#include "diextitem.h"

#include "model/diext/diextblock.h"

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

int DiExtItem::listRow(unsigned int value, const QStringList &entries)
{
    return value < static_cast<unsigned int>(entries.size()) ? static_cast<int>(value) : -1;
}
