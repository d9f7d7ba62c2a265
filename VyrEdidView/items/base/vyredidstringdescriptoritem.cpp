#include "vyredidstringdescriptoritem.h"

#include "frame/vyredidinputguard.h"
#include "model/base/edidbaserecords.h"
#include "model/datablock.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>
#include <iterator>

namespace {

const unsigned char LineFeed = 0x0A;
const unsigned char Blank = 0x20;
const QChar StandIn(VyrEdidStringDescriptorItem::StandIn);

bool isPrintableAscii(unsigned int code)
{
    return code >= 0x20 && code <= 0x7E;
}

// Printable ASCII, and no more stand-ins than the item has bytes for.
class DescriptorTextValidator : public QValidator
{
public:
    explicit DescriptorTextValidator(VyrEdidStringDescriptorItem *item)
        : QValidator(item)
        , m_item(item)
    {
        setProperty(VyrEdidInputGuard::AcceptedProperty,
                    VyrEdidStringDescriptorItem::tr("printable ASCII, up to %1 characters")
                        .arg(VyrEdidStringDescriptorItem::MaxLength));
    }

    State validate(QString &input, int &position) const override
    {
        Q_UNUSED(position)
        int standIns = 0;
        for (const QChar c : qAsConst(input)) {
            if (c == StandIn)
                ++standIns;
            else if (!isPrintableAscii(c.unicode()))
                return Invalid;
        }
        return standIns <= m_item->standInsAvailable() ? Acceptable : Invalid;
    }

private:
    const VyrEdidStringDescriptorItem *m_item;
};

int commonPrefix(const QString &a, const QString &b)
{
    const int most = std::min(a.size(), b.size());
    int n = 0;
    while (n < most && a.at(n) == b.at(n))
        ++n;
    return n;
}

int commonSuffix(const QString &a, const QString &b)
{
    const int most = std::min(a.size(), b.size());
    int n = 0;
    while (n < most && a.at(a.size() - 1 - n) == b.at(b.size() - 1 - n))
        ++n;
    return n;
}

} // namespace

VyrEdidStringDescriptorItem::VyrEdidStringDescriptorItem(unsigned int slotNumber,
                                                         const QString &title, DataBlock *block)
    : BaseDescriptorItem(VyrEdidItemKind::StringDescriptor, slotNumber, block)
{
    setText(VyrEdidColumn::Property, title);
}

bool VyrEdidStringDescriptorItem::InitItems()
{
    m_edit = placeLineEdit(this, QString(), tr("[STR]"), [this]() { onDataChanged(); });
    m_edit->setMaxLength(MaxLength);
    m_edit->setValidator(new DescriptorTextValidator(this));
    m_edit->setToolTip(tr("Up to 13 characters"));
    showStored();
    relay(m_edit, &QLineEdit::textEdited, [this](const QString &text) { followEdit(text); });
    return true;
}

void VyrEdidStringDescriptorItem::showStored()
{
    EdidString stored{};
    if (m_block)
        m_block->GetDescriptorString(m_slotNumber, &stored);
    m_shown = m_block ? textOf(stored) : QString();
    m_standIns = m_block ? standInBytes(stored) : QByteArray();
    m_removed.clear();
    setEditorText(m_edit, m_shown);
}

void VyrEdidStringDescriptorItem::followEdit(const QString &text)
{
    // One edit replaces one stretch of the text; the cursor stands at the end of what it put in
    // (after typed or pasted text, where deleted text was), so what follows the cursor is old text.
    const QString &old = m_shown;
    int after = text.size() - m_edit->cursorPosition();
    if (after < 0 || after > old.size() || old.right(after) != text.right(after))
        after = commonSuffix(old, text);
    after = std::min({after, int(old.size()), int(text.size())});
    const int before =
        std::min({commonPrefix(old, text), int(old.size()) - after, int(text.size()) - after});
    const int keptBefore = int(old.left(before).count(StandIn));
    const int taken = int(old.mid(before, old.size() - after - before).count(StandIn));
    const int put = int(text.mid(before, text.size() - after - before).count(StandIn));
    // Stand-ins put in are those last taken out (by this edit or the ones before it), in order.
    m_removed += m_standIns.mid(keptBefore, taken);
    const QByteArray back = m_removed.right(put);
    m_removed.chop(back.size());
    m_standIns = m_standIns.left(keptBefore) + back + m_standIns.mid(keptBefore + taken);
    m_shown = text;
}

void VyrEdidStringDescriptorItem::onDataChanged()
{
    if (!m_edit)
        return;
    const QString text = m_edit->text();
    const QByteArray standIns = m_standIns;
    editRecord<EdidString>(
        m_block, &DataBlock::GetDescriptorString, &DataBlock::SetDescriptorString,
        [&](EdidString &stored) { stored = bytesOf(text, standIns); }, m_slotNumber);
    showStored();
}

QString VyrEdidStringDescriptorItem::textOf(const EdidString &stored)
{
    QString text;
    for (unsigned char byte : stored.text) {
        if (byte == LineFeed)
            break;
        text.append(isPrintableAscii(byte) ? QChar(byte) : StandIn);
    }
    return text;
}

QByteArray VyrEdidStringDescriptorItem::standInBytes(const EdidString &stored)
{
    QByteArray bytes;
    for (unsigned char byte : stored.text) {
        if (byte == LineFeed)
            break;
        if (!isPrintableAscii(byte))
            bytes.append(static_cast<char>(byte));
    }
    return bytes;
}

EdidString VyrEdidStringDescriptorItem::bytesOf(const QString &text, const QByteArray &standIns)
{
    EdidString result;
    std::fill(std::begin(result.text), std::end(result.text), Blank);
    int next = 0;
    int length = 0;
    for (const QChar c : text.left(MaxLength)) {
        unsigned char byte = Blank;
        if (c == StandIn) {
            if (next < standIns.size())
                byte = static_cast<unsigned char>(standIns.at(next++));
        } else if (isPrintableAscii(c.unicode())) {
            byte = static_cast<unsigned char>(c.unicode());
        }
        result.text[length++] = byte;
    }
    if (length < MaxLength)
        result.text[length] = LineFeed;
    return result;
}
