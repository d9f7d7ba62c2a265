#include "vyrdidproductidblock.h"

#include "items/displayid/vyrdiddatablocktable.h"
#include "model/displayid/displayidblock.h"
#include "widgets/vyrnumbertext.h"

#include <algorithm>
#include <iterator>

namespace {

// Payload bytes in front of the name (DisplayID 1.3, 4.1).
constexpr unsigned FixedBytes = 12;
constexpr unsigned MaxNameLength = sizeof(DidProductIdDataBlock::name);

QString vendorText()
{
    return VyrDIDProductIdBlock::tr("Vendor ID");
}
QString productCodeText()
{
    return VyrDIDProductIdBlock::tr("Product Code");
}
QString serialText()
{
    return VyrDIDProductIdBlock::tr("Serial Number");
}
QString weekText()
{
    return VyrDIDProductIdBlock::tr("Manufacturer Week");
}
QString yearText()
{
    return VyrDIDProductIdBlock::tr("Manufacturer Year");
}
QString sizeText()
{
    return VyrDIDProductIdBlock::tr("Size of Product ID String");
}
QString nameText()
{
    return VyrDIDProductIdBlock::tr("Product ID String");
}

} // namespace

bool VyrDIDProductIdBlock::isComplete() const
{
    DidProductIdDataBlock record;
    if (m_model)
        m_model->GetProductIdentificationDataBlock(m_index, &record);
    return payloadLength() == FixedBytes + record.nameLength;
}

bool VyrDIDProductIdBlock::InitItems()
{
    unsigned offset = 0;
    if (!m_model || !m_model->calculateOffset(m_index, offset))
        return false;
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagProductId));
    DidProductIdDataBlock record;
    m_model->GetProductIdentificationDataBlock(m_index, &record);
    const bool editable = isComplete();

    struct Row
    {
        QString name;
        QString text;
        QString format;
        unsigned byte;
        unsigned length;
    };
    const QString dec = tr("[DEC]");
    const QString hex = tr("[HEX]");
    const QString str = tr("[STR]");
    const Row rows[] = {
        {vendorText(), shownText(vendorText(), record), str, 0, 3},
        {productCodeText(), shownText(productCodeText(), record), hex, 3, 2},
        {serialText(), shownText(serialText(), record), hex, 5, 4},
        {weekText(), shownText(weekText(), record), dec, 9, 1},
        {yearText(), shownText(yearText(), record), dec, 10, 1},
        {sizeText(), shownText(sizeText(), record), dec, 11, 1},
        {nameText(), shownText(nameText(), record), str, FixedBytes, record.nameLength},
    };
    for (const Row &row : rows) {
        auto *cell = new VyrDIDLineEditItem(row.name, row.text, row.format);
        if (row.byte == 0)
            cell->setInputMask(QStringLiteral(">AAA"));
        else if (row.byte == 3)
            cell->setInputMask(QStringLiteral("hhhh"));
        else if (row.byte == 5)
            cell->setInputMask(QStringLiteral("hhhhhhhh"));
        else if (row.byte == 9)
            cell->setValidator(VyrNumberText::wholeValidator(0, 54, cell));
        else if (row.byte == 10)
            cell->setValidator(VyrNumberText::wholeValidator(2000, 2255, cell));
        if (!editable) {
            cell->setReadOnly(true);
            cell->setToolTip(tr("The payload is shorter than the product name it declares"));
        }
        addNamedChild(cell)->SetLocation({BaseOffset() + row.byte, row.length});
    }
    return true;
}

QString VyrDIDProductIdBlock::shownText(const QString &name, const DidProductIdDataBlock &record)
{
    if (name == vendorText())
        return latin1Text(record.vendorId, 3);
    if (name == productCodeText())
        return QString::number(record.productCode, 16);
    if (name == serialText())
        return QString::number(record.serialNumber, 16);
    if (name == weekText())
        return QString::number(record.week);
    if (name == yearText())
        return QString::number(record.year);
    if (name == sizeText())
        return QString::number(record.nameLength);
    if (name == nameText())
        return latin1Text(record.name, std::min(record.nameLength, MaxNameLength));
    return QString();
}

QString VyrDIDProductIdBlock::storedText(const QString &name) const
{
    // A name longer than the size set is cut to it, a week beyond 54 is refused, a hexadecimal
    // number loses its leading zeros: the cell shows what the block holds.
    if (!m_model)
        return QString();
    DidProductIdDataBlock record;
    m_model->GetProductIdentificationDataBlock(m_index, &record);
    return shownText(name, record);
}

void VyrDIDProductIdBlock::DoEdit(const QString &name, const QVariant &value)
{
    if (!m_model || isDetached() || !isComplete())
        return;
    logEdit("VyrDIDProductIdBlock", name, value);
    const QString text = value.toString();
    DidProductIdDataBlock record;
    m_model->GetProductIdentificationDataBlock(m_index, &record);
    const QByteArray latin1 = text.toLatin1();
    if (name == vendorText()) {
        std::fill(std::begin(record.vendorId), std::end(record.vendorId), quint8(0));
        std::copy_n(latin1.cbegin(), std::min(latin1.size(), 3), record.vendorId);
    } else if (name == productCodeText()) {
        record.productCode = static_cast<quint16>(text.toUInt(nullptr, 16));
    } else if (name == serialText()) {
        record.serialNumber = text.toUInt(nullptr, 16);
    } else if (name == weekText() || name == yearText()) {
        // Text that is no number writes nothing; the cell shows the stored value again.
        if (!wholeValue(value, name == weekText() ? &record.week : &record.year))
            return;
    } else if (name == sizeText()) {
        quint32 length = 0;
        if (!wholeValue(value, &length))
            return;
        if (length > MaxNameLength) {
            VyrUiService::instance()->message(
                VyrUiService::Icon::Warning, tr("Data block size"),
                tr("A product name holds at most %1 bytes.").arg(MaxNameLength));
            return;
        }
        // Bytes the name gains are zeros; the model writes the fixed part and the name.
        std::fill(std::begin(record.name) + std::min(record.nameLength, length),
                  std::end(record.name), quint8(0));
        record.nameLength = length;
        const int delta = int(FixedBytes + length) - int(payloadLength());
        writeResized(delta,
                     [&] { m_model->SetProductIdentificationDataBlock(m_index, &record, delta); });
        return;
    } else if (name == nameText()) {
        // A name confirmed as shown writes nothing: bytes behind a zero byte, which the cell
        // does not show, stay as they are.
        if (text == shownText(nameText(), record))
            return;
        // The length stays; a shorter text leaves zeros behind it.
        std::fill(std::begin(record.name), std::end(record.name), quint8(0));
        std::copy_n(latin1.cbegin(), std::min(unsigned(latin1.size()), record.nameLength),
                    record.name);
    } else {
        return;
    }
    writeResized(0, [&] { m_model->SetProductIdentificationDataBlock(m_index, &record, 0); });
}
