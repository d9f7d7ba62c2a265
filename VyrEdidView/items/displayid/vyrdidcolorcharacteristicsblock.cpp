#include "vyrdidcolorcharacteristicsblock.h"

#include "items/displayid/vyrdidcomboboxitem.h"
#include "items/displayid/vyrdiddatablocktable.h"
#include "items/displayid/vyrdidlineedititem.h"
#include "items/displayid/vyrdidtreeitem.h"
#include "model/displayid/displayidblock.h"
#include "vyruiservice.h"
#include "widgets/vyrnumbertext.h"

#include <QRegularExpression>
#include <QSignalBlocker>

#include <algorithm>

namespace {

using Record = DidColorCharsDataBlock;

// Offsets from the tag byte: the revision byte, payload byte 0 (the counts), the first point.
constexpr unsigned RevisionByte = 1;
constexpr unsigned CountsByte = 3;
constexpr unsigned FirstPointByte = 4;
constexpr unsigned PointBytes = 3;
constexpr unsigned MaxCoordinate = 4095;

QString typeText()
{
    return VyrDIDColorCharacteristicsBlock::tr("Color coordinate Type");
}
QString whiteCountText()
{
    return VyrDIDColorCharacteristicsBlock::tr("No. of white points");
}
QString primaryCountText()
{
    return VyrDIDColorCharacteristicsBlock::tr("No. of white primitives");
}

// Payload bytes the counts need: the counts byte and 3 bytes per point.
unsigned neededPayload(unsigned whitePoints, unsigned primaries)
{
    return 1 + PointBytes * (whitePoints + primaries);
}

} // namespace

unsigned int VyrDIDColorCharacteristicsBlock::BaseOffset() const
{
    return Location().offset;
}

bool VyrDIDColorCharacteristicsBlock::InitItems()
{
    setText(VyrEdidColumn::Property, VyrDIDDataBlocks::title(DidTagColorChars));
    Record record;
    if (m_model)
        m_model->GetColorCharsDataBlock(m_index, &record);
    // The points are read and written only when the payload holds exactly the counted points.
    const bool pointsEditable =
        payloadLength() == neededPayload(record.whitePoints, record.primaries)
        && record.whitePoints + record.primaries <= DidMaxColorPoints;

    m_type = new VyrDIDComboBoxItem(typeText());
    m_type->addItems({{tr("CIE 1931(x,y)"), 0}, {tr("CIE 19376(u`v`)"), 1}});
    m_type->setCurrentValue(record.coordinateType);
    addNamedChild(m_type)->SetLocation({BaseOffset() + RevisionByte, 1});

    auto *white =
        new VyrDIDLineEditItem(whiteCountText(), QString::number(record.whitePoints), tr("[DEC]"));
    white->setValidator(VyrNumberText::wholeValidator(1, 15, white));
    addNamedChild(white)->SetLocation({BaseOffset() + CountsByte, 1});
    auto *primaries =
        new VyrDIDLineEditItem(primaryCountText(), QString::number(record.primaries), tr("[DEC]"));
    primaries->setValidator(VyrNumberText::wholeValidator(1, 7, primaries));
    addNamedChild(primaries)->SetLocation({BaseOffset() + CountsByte, 1});

    auto *primaryGroup = new VyrDIDTreeItem(tr("Primary color information"), this);
    for (unsigned k = 0; k < record.primaries; ++k)
        addPoint(primaryGroup, k, record.points[k], pointsEditable);
    auto *whiteGroup = new VyrDIDTreeItem(tr("White points"), this);
    const unsigned points =
        std::min(unsigned(record.primaries + record.whitePoints), DidMaxColorPoints);
    for (unsigned k = record.primaries; k < points; ++k)
        addPoint(whiteGroup, k, record.points[k], pointsEditable);
    return true;
}

void VyrDIDColorCharacteristicsBlock::addPoint(VyrDIDTreeItem *group, unsigned k,
                                               const DidColorPoint &point, bool editable)
{
    const EdidItemLocation location{BaseOffset() + FirstPointByte + PointBytes * k, PointBytes};
    const QString names[] = {tr("X%1 or U%1").arg(k), tr("Y%1 or V%1").arg(k)};
    const unsigned coordinates[] = {point.x, point.y};
    for (int i = 0; i < 2; ++i) {
        auto *cell = new VyrDIDLineEditItem(names[i], QString::number(coordinates[i]), tr("[DEC]"));
        cell->setValidator(VyrNumberText::wholeValidator(0, int(MaxCoordinate), cell));
        cell->setReadOnly(!editable);
        group->add(cell)->SetLocation(location);
        // Each point cell writes its own point, so it reports under its own name.
        QObject::connect(cell, &VyrDIDLineEditItem::editingFinished, this,
                         &VyrDIDItemBase::onEdidtingFinished);
    }
}

void VyrDIDColorCharacteristicsBlock::DoEdit(const QString &name, const QVariant &value)
{
    static const QRegularExpression pointName(QStringLiteral("^([XY])(\\d+) or [UV]\\2$"));
    const unsigned length = payloadLength();
    bool refused = false;
    bool counted = false;
    const bool written = editRecord<Record>(
        m_model, &DisplayIDBlock::GetColorCharsDataBlock, &DisplayIDBlock::SetColorCharsDataBlock,
        [&](Record &record) {
            if (name.contains(typeText())) {
                record.coordinateType = static_cast<quint8>(value.toInt() & 1);
                return true;
            }
            if (name.contains(whiteCountText()) || name.contains(primaryCountText())) {
                const bool white = name.contains(whiteCountText());
                quint32 typed = 0;
                if (!wholeValue(value, &typed) || typed > 0xFFu)
                    return false;
                const auto count = static_cast<quint8>(typed);
                const unsigned needed = white ? neededPayload(count, record.primaries)
                                              : neededPayload(record.whitePoints, count);
                if (needed != length) {
                    refused = true;
                    return false;
                }
                quint8 &stored = white ? record.whitePoints : record.primaries;
                counted = stored != count;
                stored = count;
                return true;
            }
            const QRegularExpressionMatch match = pointName.match(name);
            const unsigned k = match.captured(2).toUInt();
            if (!match.hasMatch() || k >= DidMaxColorPoints)
                return false;
            quint32 typed = 0;
            if (!wholeValue(value, &typed))
                return false;
            const unsigned coordinate = std::min(typed, MaxCoordinate);
            (match.captured(1) == QLatin1String("X") ? record.points[k].x : record.points[k].y) =
                coordinate;
            return true;
        },
        m_index);
    if (written && counted) {
        // The counts decide which point rows there are and whether they take edits: the rows
        // are built again from the stored counts, as a fresh build would.
        logEdit("VyrDIDColorCharacteristicsBlock", name, value);
        rebuildSection();
        return;
    }
    // A payload that does not hold its counted points takes no write, the type included: the
    // list shows the type still stored.
    if (m_type && m_model && !isDetached() && name.contains(typeText())) {
        Record record;
        m_model->GetColorCharsDataBlock(m_index, &record);
        const QSignalBlocker blocker(m_type);
        m_type->setCurrentValue(record.coordinateType);
    }
    if (refused) {
        VyrUiService::instance()->message(
            VyrUiService::Icon::Warning, tr("Color Characteristics"),
            tr("The data block holds %1 payload bytes; these counts need another length, so "
               "they were not changed.")
                .arg(length));
    }
    logEdit("VyrDIDColorCharacteristicsBlock", name, value);
}

QString VyrDIDColorCharacteristicsBlock::storedText(const QString &name) const
{
    // A count the payload length refuses shows the stored count again.
    const bool white = name.contains(whiteCountText());
    if (!m_model || (!white && !name.contains(primaryCountText())))
        return QString();
    Record record;
    m_model->GetColorCharsDataBlock(m_index, &record);
    return QString::number(white ? record.whitePoints : record.primaries);
}
