#include "vyrdidresizingitem.h"

#include "model/displayid/displayidblock.h"

#include <QDebug>

#include <algorithm>

bool VyrDIDResizingItem::writeResized(int delta, const std::function<void()> &write)
{
    if (!m_model || isDetached())
        return false;
    const unsigned before = payloadLength();
    DisplayID_Section_Header section;
    m_model->GetSectionHeader(&section);
    const bool fits =
        delta <= 0
        || (unsigned(delta) <= m_model->GetNumOfAvailableBytes()
            && section.sectionLength + unsigned(delta) <= DisplayIDBlock::MaxSectionLength
            && before + unsigned(delta) <= 255);
    if (fits)
        write();
    if (!fits || int(payloadLength()) - int(before) != delta) {
        qWarning() << "DisplayID data block" << m_index << "not resized by" << delta;
        VyrUiService::instance()->message(
            VyrUiService::Icon::Warning, tr("Data block size"),
            tr("The section has no room for %n more byte(s); nothing was changed.", nullptr,
               delta));
        return false;
    }
    NotifyAtDataChanged();
    if (delta != 0)
        rebuildSection();
    return true;
}

QString VyrDIDResizingItem::latin1Text(const quint8 *bytes, unsigned length)
{
    const auto *end = std::find(bytes, bytes + length, quint8(0));
    return QString::fromLatin1(reinterpret_cast<const char *>(bytes), int(end - bytes));
}
