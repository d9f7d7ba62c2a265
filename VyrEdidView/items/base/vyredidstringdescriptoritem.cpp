#include "vyredidstringdescriptoritem.h"

#include "model/base/edidbaserecords.h"
#include "model/datablock.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <iterator>

namespace {

const unsigned char LineFeed = 0x0A;
const unsigned char Blank = 0x20;
const QChar Hidden(0xFFFD);

bool isPrintableLatin1(unsigned char byte)
{
    return (byte >= 0x20 && byte <= 0x7E) || byte >= 0xA0;
}

// The stored bytes without a printable form, up to the line feed that ends the text.
QByteArray hiddenBytes(const EdidString &stored)
{
    QByteArray hidden;
    for (unsigned char byte : stored.text) {
        if (byte == LineFeed)
            break;
        if (!isPrintableLatin1(byte))
            hidden.append(static_cast<char>(byte));
    }
    return hidden;
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
    EdidString stored{};
    if (m_block)
        m_block->GetDescriptorString(m_slotNumber, &stored);
    const QString text = m_block ? textOf(stored) : QString();
    m_edit = placeLineEdit(this, text, tr("[STR]"), [this]() { onDataChanged(); });
    m_edit->setMaxLength(MaxLength);
    // Printable Latin-1, and the stand-in of a stored byte without a printable form.
    static const QRegularExpression printable(
        QStringLiteral("[\\x{20}-\\x{7E}\\x{A0}-\\x{FF}\\x{FFFD}]*"));
    m_edit->setValidator(new QRegularExpressionValidator(printable, this));
    m_edit->setToolTip(tr("Up to 13 characters"));
    return true;
}

void VyrEdidStringDescriptorItem::onDataChanged()
{
    if (!m_edit)
        return;
    const QString text = m_edit->text();
    editRecord<EdidString>(
        m_block, &DataBlock::GetDescriptorString, &DataBlock::SetDescriptorString,
        [&text](EdidString &stored) { stored = bytesOf(text, stored); }, m_slotNumber);
}

QString VyrEdidStringDescriptorItem::textOf(const EdidString &stored)
{
    QString text;
    for (unsigned char byte : stored.text) {
        if (byte == LineFeed)
            break;
        text.append(isPrintableLatin1(byte) ? QChar(byte) : Hidden);
    }
    return text;
}

EdidString VyrEdidStringDescriptorItem::bytesOf(const QString &text, const EdidString &stored)
{
    const QByteArray hidden = hiddenBytes(stored);
    EdidString result;
    std::fill(std::begin(result.text), std::end(result.text), Blank);
    int next = 0;
    int length = 0;
    for (QChar c : text.left(MaxLength)) {
        char byte = QString(c).toLatin1().at(0);
        if (c == Hidden && next < hidden.size())
            byte = hidden.at(next++);
        result.text[length++] = static_cast<unsigned char>(byte);
    }
    if (length < MaxLength)
        result.text[length] = LineFeed;
    return result;
}
