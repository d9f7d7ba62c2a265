#include "vyredidceaextgeneralinfosubitem.h"

#include "model/cea/ceaextblock.h"

#include <QtGlobal>

VyrEdidCeaExtGeneralInfoSubItem::VyrEdidCeaExtGeneralInfoSubItem(unsigned int fieldCode,
                                                                 unsigned int index,
                                                                 CeaExtBlock *block,
                                                                 unsigned char *image)
    : VyrEdidItemBase(image, VyrEdidItemKind::CeaExtension)
    , m_index(index)
    , m_fieldCode(fieldCode)
    , m_block(block)
{}

QString VyrEdidCeaExtGeneralInfoSubItem::titleOf(unsigned int fieldCode)
{
    // By field code from Revision on.
    // Binary contract: see ARCHITECTURE.md, "Names kept as spelled".
    static const char *const titles[] = {
        QT_TR_NOOP("Version and Revision"),
        QT_TR_NOOP("Start of Timing Data"),
        QT_TR_NOOP("Checksum"),
        QT_TR_NOOP("Support YCbCr 4:2:2"),
        QT_TR_NOOP("Support YCbCr 4:4:4"),
        QT_TR_NOOP("Support Basic Audio"),
        QT_TR_NOOP("Underscan IT Forma by Default"),
    };
    const unsigned int k = fieldCode - Revision; // wraps for codes below Revision
    return k < sizeof titles / sizeof titles[0] ? tr(titles[k]) : QString();
}

bool VyrEdidCeaExtGeneralInfoSubItem::InitItems()
{
    setText(VyrEdidColumn::Property, titleOf(m_fieldCode));
    return true;
}

QList<EdidItemLocation> VyrEdidCeaExtGeneralInfoSubItem::GetItemLocations() const
{
    return m_block ? m_block->GetGeneralInfoLocation(m_fieldCode, m_index, m_bytes)
                   : QList<EdidItemLocation>();
}
