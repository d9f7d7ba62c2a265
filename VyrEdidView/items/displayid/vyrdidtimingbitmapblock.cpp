#include "vyrdidtimingbitmapblock.h"

#include "items/displayid/didcelldata.h"
#include "items/displayid/vyrdidcheckboxitem.h"
#include "items/displayid/vyrdiddatablocktable.h"
#include "model/bits.h"
#include "model/displayid/displayidblock.h"
#include "model/displayid/displayidlayout.h"

#include <QDebug>

bool GetBit(const unsigned char *bytes, unsigned int bit)
{
    return ::bit(bytes[bit >> 3], bit & 7u) != 0;
}

VyrDIDTimingBitmapBlock::VyrDIDTimingBitmapBlock(unsigned int index, DisplayIDBlock *model,
                                                 unsigned int tag, unsigned int bitCount,
                                                 Getter get, Setter set, const char *debugText)
    : VyrDIDItemBase(index, model)
    , m_tag(tag)
    , m_bitCount(bitCount)
    , m_get(get)
    , m_set(set)
    , m_debugText(debugText)
    , m_flags(new bool[bitCount]())
{}

bool VyrDIDTimingBitmapBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(m_tag));
    m_bitmap = nullptr;
    if (m_model)
        (m_model->*m_get)(m_index, &m_bitmap);
    const QString unread =
        tr("The payload is not a bitmap of %1 bytes: it is neither read nor written")
            .arg(m_bitCount / 8);
    if (!m_bitmap)
        setToolTip(VyrEdidColumn::Property, unread);

    const unsigned int start = Location().offset;
    for (unsigned int i = 0; i < m_bitCount; ++i) {
        m_flags[i] = m_bitmap && GetBit(m_bitmap, i);
        auto *box = new VyrDIDCheckBoxItem(QString(), modeLabel(i), int(i), m_flags[i]);
        if (!m_bitmap) {
            box->setEnabled(false);
            box->setToolTip(unread);
        }
        addNamedChild(box)->SetLocation({start + DisplayIDLayout::BlockHeaderBytes + (i >> 3), 1});
    }
    return true;
}

void VyrDIDTimingBitmapBlock::DoEdit(const QString &name, const QVariant &value)
{
    Q_UNUSED(name)
    if (!m_model || !m_bitmap || value.userType() != qMetaTypeId<CheckBoxData>())
        return;
    const auto data = value.value<CheckBoxData>();
    if (data.bit < 0 || unsigned(data.bit) >= m_bitCount)
        return;
    m_flags[std::size_t(data.bit)] = data.isChecked;
    qDebug().nospace() << m_debugText << data.bit << ":" << (data.isChecked ? "true" : "false");
    (m_model->*m_set)(m_index, m_flags.get());
    NotifyAtDataChanged();
}
