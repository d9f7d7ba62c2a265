#include "vyredidcvt3byteitem.h"

#include "items/base/vyredidcvt3bytesubitem.h"
#include "model/base/edid14block.h"
#include "widgets/cvttimingwidget.h"

#include <QCoreApplication>

#include <cstring>

namespace {

// The codes an item lists: those of the CVT 3-byte code descriptor in slot number section of
// an EDID 1.4 base block, or (section 0) the index-based codes of the block.
class CvtCodes
{
public:
    CvtCodes(DataBlock *block, unsigned int section)
        : m_block(block)
        , m_section(section)
        , m_edid14(dynamic_cast<Edid14Block *>(block))
    {}

    // False for a descriptor of a block that does not decode it.
    bool readable() const { return m_block && (m_section == 0 || m_edid14); }

    bool Get(unsigned int index, Cvt3ByteTiming *timing) const
    {
        if (!readable())
            return false;
        if (m_section == 0)
            return m_block->GetCvt3ByteTiming(index, timing);
        return m_edid14->GetCvt3ByteTiming(m_section, index, timing);
    }

    void Set(unsigned int index, Cvt3ByteTiming *timing) const
    {
        if (!readable())
            return;
        if (m_section == 0)
            m_block->SetCvt3ByteTiming(index, timing);
        else
            m_edid14->SetCvt3ByteTiming(m_section, index, timing);
    }

private:
    DataBlock *m_block;
    unsigned int m_section;
    Edid14Block *m_edid14;
};

// Whether two records give the same three bytes.
bool sameCode(const Cvt3ByteTiming &a, const Cvt3ByteTiming &b)
{
    EdidCvt3ByteTiming first{};
    EdidCvt3ByteTiming second{};
    DataBlock::cvt3ByteTimingToEdid(&a, &first);
    DataBlock::cvt3ByteTimingToEdid(&b, &second);
    return std::memcmp(&first, &second, sizeof first) == 0;
}

} // namespace

VyrEdidCVT3ByteItem::VyrEdidCVT3ByteItem(unsigned int section, unsigned int count, DataBlock *block)
    : VyrEdidItemBase(nullptr, VyrEdidItemKind::Cvt3Byte)
    , m_section(section)
    , m_count(count)
    , m_block(block)
{
    setText(VyrEdidColumn::Property, QCoreApplication::translate("QObject", "CVT 3Byte Timings"));
}

bool VyrEdidCVT3ByteItem::InitItems()
{
    const CvtCodes codes(m_block, m_section);
    // The editors are placed through the tree: outside it no row is built.
    if (!codes.readable() || !treeWidget())
        return true;
    for (unsigned int index = 0; index < m_count; ++index) {
        Cvt3ByteTiming timing;
        codes.Get(index, &timing);
        auto *editor = new CvtTimingWidget(&timing, index);
        auto *row = new VyrEdidCVT3ByteSubItem(index, m_block, m_section);
        addChild(row);
        row->setText(VyrEdidColumn::Property, tr("CVT 3Byte Timing %1").arg(index));
        placeWidget(row, VyrEdidColumn::Value, editor);
        relay(editor, &CvtTimingWidget::editFinished,
              [this](unsigned int code, const Cvt3ByteTiming &edited) {
                  onTimingChanged(code, edited);
              });
    }
    return true;
}

QList<EdidItemLocation> VyrEdidCVT3ByteItem::GetItemLocations() const
{
    if (!m_block)
        return {};
    return m_block->GetCvt3ByteTimingLocation(~0u, m_section);
}

void VyrEdidCVT3ByteItem::onTimingChanged(unsigned int aIdx, const Cvt3ByteTiming &aTiming)
{
    if (isDetached() || cvtAwaitingLines(aTiming))
        return;
    CvtCodes codes(m_block, m_section);
    Cvt3ByteTiming stored;
    if (codes.Get(aIdx, &stored) && sameCode(stored, aTiming))
        return;
    editRecord<Cvt3ByteTiming>(
        m_block ? &codes : nullptr, &CvtCodes::Get, &CvtCodes::Set,
        [&aTiming](Cvt3ByteTiming &timing) { timing = aTiming; }, aIdx);
}
