#include "DiExtGammaCarveItems.h"

#include "frame/vyredidrows.h"
#include "items/diext/DiExtBlockWidgets.h"
#include "items/diext/diextnames.h"
#include "model/diext/diextblock.h"
#include "widgets/vyrnumbertext.h"

#include <QComboBox>

#include <algorithm>

namespace {

enum Field : unsigned int {
    GammaPoints = 77,
    NumberOfPoints = 78,
    TableContent = 79,
    White = 80,
    Blue = 82,
    Green = 84,
    Red = 86
};

// Table types (byte 81 bits 7-6).
enum Table : uint32_t { NoTable = 0, WhiteCurve = 1, ColorCurves = 2 };

// Points per curve: one white curve fills the 45 values, three colour curves take 15 each.
constexpr unsigned int ColorCurvePoints = DiGamma::MaxPoints / 3;

unsigned int curvePoints(uint32_t table)
{
    switch (table) {
    case WhiteCurve:
        return DiGamma::MaxPoints;
    case ColorCurves:
        return ColorCurvePoints;
    default:
        return 0;
    }
}

// The counts a table's curves can have, "0" to a full curve; none without a table.
QStringList pointCounts(uint32_t table)
{
    QStringList counts;
    if (curvePoints(table) == 0)
        return counts;
    for (unsigned int count = 0; count <= curvePoints(table); ++count)
        counts << QString::number(count);
    return counts;
}

constexpr int LeastValue = 0;
constexpr int GreatestValue = 255;
constexpr int PointEditWidth = 40;

} // namespace

DiExtGammaCarveSubItems::DiExtGammaCarveSubItems(unsigned int code, unsigned int index,
                                                 DiExtBlock *block, unsigned char *image)
    : DiExtItem(code, index, block, image, &DiExtBlock::GetGammaLocation)
{
    setText(VyrEdidColumn::Property, DiExtNames::gammaTitle(code));
}

DiExtGammaCarveItems::DiExtGammaCarveItems(DiExtBlock *block, unsigned char *image)
    : DiExtItem(WholeSection, WholeSection, block, image, &DiExtBlock::GetGammaLocation)
    , m_gamma(current())
{
    setText(VyrEdidColumn::Property, tr("Gamma Section"));
}

bool DiExtGammaCarveItems::InitItems()
{
    m_tableCombo =
        placeList(addRow<DiExtGammaCarveSubItems>(TableContent), DiExtNames::gammaTables(),
                  m_gamma.type, [this](int index) { onComboTableContentChanged(index); });
    fitWidth(m_tableCombo);
    const QStringList counts = pointCounts(m_gamma.type);
    m_pointsCombo =
        placeList(addRow<DiExtGammaCarveSubItems>(NumberOfPoints), counts, m_gamma.numPoints,
                  [this](int index) { onComboNumOfPointsChanged(index); });
    fitWidth(m_pointsCombo);
    // Without a table there is no count to choose, nor one to show.
    if (counts.isEmpty())
        refillComboBox(m_pointsCombo, counts, -1);
    m_pointsCombo->setEnabled(!counts.isEmpty());
    m_pointsRow = addRow<DiExtGammaCarveSubItems>(GammaPoints);
    rebuildData();
    return true;
}

void DiExtGammaCarveItems::onComboTableContentChanged(int index)
{
    if (index > static_cast<int>(ColorCurves))
        return;
    // A new table starts without points; the values stay in the block.
    edit([index](DiGamma &gamma) {
        gamma.type = static_cast<uint32_t>(index);
        gamma.numPoints = 0;
    });
    const QStringList counts = pointCounts(static_cast<uint32_t>(index));
    refillComboBox(m_pointsCombo, counts, counts.isEmpty() ? -1 : 0);
    m_pointsCombo->setEnabled(!counts.isEmpty());
    rebuildData();
}

void DiExtGammaCarveItems::onComboNumOfPointsChanged(int index)
{
    edit([index](DiGamma &gamma) { gamma.numPoints = static_cast<uint32_t>(index); });
    rebuildData();
}

void DiExtGammaCarveItems::onItemDataChanged(int index, const QString &value)
{
    qlonglong point = 0;
    if (!VyrNumberText::readWhole(value, &point) || point < LeastValue || point > GreatestValue
        || index < 0 || index >= static_cast<int>(DiGamma::MaxPoints))
        return;
    // The number of points is kept as stored, even one that is more than the curves hold.
    edit([index, point](DiGamma &gamma) { gamma.values[index] = static_cast<uint32_t>(point); });
}

void DiExtGammaCarveItems::rebuildData()
{
    // A point still being typed is stored before its row goes, and shows in the new rows.
    if (m_pointsRow->childCount() > 0)
        VyrEdidRows::removeChildren(m_pointsRow);
    m_gamma = current();
    switch (m_gamma.type) {
    case WhiteCurve:
        addCurve(White, 0, m_gamma.numPoints);
        break;
    case ColorCurves:
        addCurve(Blue, 0, m_gamma.numPoints);
        addCurve(Green, ColorCurvePoints, m_gamma.numPoints);
        addCurve(Red, 2 * ColorCurvePoints, m_gamma.numPoints);
        break;
    default:
        break;
    }
}

void DiExtGammaCarveItems::addCurve(unsigned int code, unsigned int first, unsigned int count)
{
    if (count == 0)
        return;
    // The white curve's row stands for the control byte before the points.
    auto *curve =
        addRow<DiExtGammaCarveSubItems>(code, m_pointsRow, code == White ? WholeSection : first);
    const QString decimal = tr("[DEC]");
    for (unsigned int i = 0; i < count; ++i) {
        const unsigned int index = first + i;
        auto *row = addRow<DiExtGammaCarveSubItems>(code + 1, curve, index);
        auto *edit = new DiExtLineEditWidget(static_cast<int>(index));
        edit->setText(QString::number(m_gamma.values[index]));
        edit->setModified(false);
        edit->setValidator(intValidator(LeastValue, GreatestValue, edit));
        edit->setMaximumWidth(PointEditWidth);
        edit->setToolTip(tr("Point %1, Valid Range 0 --> 255").arg(i));
        placeWidget(row, VyrEdidColumn::Property, edit);
        row->setText(VyrEdidColumn::Type, decimal);
        // Once its editing ended the editor shows the number as stored ("+0123" as "123"),
        // as a fresh tree shows it.
        relay(edit, &DiExtLineEditWidget::editFinished, [this, edit](int point, const QString &) {
            showNumberAsStored(edit);
            onItemDataChanged(point, edit->text());
        });
    }
}

DiGamma DiExtGammaCarveItems::current() const
{
    DiGamma gamma{};
    if (m_block)
        m_block->GetGamma(&gamma);
    gamma.numPoints = std::min(gamma.numPoints, curvePoints(gamma.type));
    return gamma;
}

void DiExtGammaCarveItems::edit(const std::function<void(DiGamma &)> &change)
{
    editRecord<DiGamma>(m_block, &DiExtBlock::GetGamma, &DiExtBlock::SetGamma, change);
}
