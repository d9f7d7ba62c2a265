#include "vyredidcolorpointsubitem.h"

#include "items/base/vyredidcolorpointsubchilditem.h"
#include "model/base/edid13block.h"

#include <QCheckBox>
#include <QLineEdit>

#include <cmath>
#include <utility>

namespace {

// The fields of white point 0 and 1 in the record.
struct WhitePointFields
{
    unsigned ColorPoint::*index;
    unsigned ColorPoint::*x;
    unsigned ColorPoint::*y;
    bool ColorPoint::*gammaDefined;
    double ColorPoint::*gamma;
};

const WhitePointFields Fields[VyrEdidColorPointSubItem::WhitePointCount] = {
    {&ColorPoint::whitePointIndex1, &ColorPoint::whiteX1, &ColorPoint::whiteY1,
     &ColorPoint::gamma1Defined, &ColorPoint::gamma1},
    {&ColorPoint::whitePointIndex2, &ColorPoint::whiteX2, &ColorPoint::whiteY2,
     &ColorPoint::gamma2Defined, &ColorPoint::gamma2},
};

constexpr unsigned int MaximumCode = 1023;
// Offered when the gamma of a point that had none is switched on.
constexpr double DefaultGamma = 2.2;

QString coordinateText(unsigned int code)
{
    return QString::number(VyrEdidColorPointSubItem::ccharToDouble(code), 'f', 3);
}

} // namespace

VyrEdidColorPointSubItem::VyrEdidColorPointSubItem(unsigned int w, unsigned int slotNumber,
                                                   const ColorPoint &record, DataBlock *block)
    : BaseDescriptorItem(VyrEdidItemKind::RangeLimits, slotNumber, block)
    , m_w(w < WhitePointCount ? w : 0)
    , m_record(record)
{
    setText(VyrEdidColumn::Property, tr("Color Point %1").arg(w));
}

bool VyrEdidColorPointSubItem::InitItems()
{
    const WhitePointFields &f = Fields[m_w];
    const unsigned int index = m_record.*f.index;
    const bool used = index != 0;
    const bool gammaDefined = m_record.*f.gammaDefined;
    m_x = used ? m_record.*f.x : 0;
    m_y = used ? m_record.*f.y : 0;

    m_enable = placeCheckBox(addRow(VyrEdidColorPointSubChildItem::EnableWhite), used,
                             [this](bool on) { onEnableWhite(on); });
    m_index = placeLineEdit(addRow(VyrEdidColorPointSubChildItem::Index),
                            used ? QString::number(index) : QString(), tr("[DEC]"),
                            [this]() { onIndex(); });
    m_whiteX = placeLineEdit(addRow(VyrEdidColorPointSubChildItem::WhiteX),
                             used ? coordinateText(m_x) : QString(), tr("[FLT]"),
                             [this]() { onWhiteX(); });
    m_whiteY = placeLineEdit(addRow(VyrEdidColorPointSubChildItem::WhiteY),
                             used ? coordinateText(m_y) : QString(), tr("[FLT]"),
                             [this]() { onWhiteY(); });
    QTreeWidgetItem *gammaRow = addRow(VyrEdidColorPointSubChildItem::Gamma);
    m_gamma = placeLineEdit(gammaRow,
                            gammaDefined ? QString::number(m_record.*f.gamma, 'f', 2) : QString(),
                            tr("[FLT]"), [this]() { onGamma(); });
    m_gammaDefined = new QCheckBox;
    m_gammaDefined->setChecked(gammaDefined);
    m_gammaDefined->setToolTip(tr("Gamma defined"));
    placeWidget(gammaRow, VyrEdidColumn::Action, m_gammaDefined);
    relay(m_gammaDefined, &QCheckBox::toggled, [this](bool on) { onGammaDefined(on); });

    QValidator *coordinate = doubleValidator(0.001, 0.999, 3, this);
    m_whiteX->setValidator(coordinate);
    m_whiteY->setValidator(coordinate);
    m_gamma->setValidator(doubleValidator(1.0, 3.54, 2, this));
    m_index->setValidator(intValidator(1, 255, this));
    m_whiteX->setToolTip(tr("Valid Range 0 --> 1 excluding 0 and 1"));
    m_whiteY->setToolTip(tr("Valid Range 0 --> 1 excluding 0 and 1"));
    m_gamma->setToolTip(tr("Valid Range 1 --> 3.54"));
    m_index->setToolTip(tr("Valid Range 1 --> 255 "));

    m_index->setEnabled(used);
    m_whiteX->setEnabled(used);
    m_whiteY->setEnabled(used);
    m_gamma->setEnabled(gammaDefined);
    return true;
}

QList<EdidItemLocation> VyrEdidColorPointSubItem::GetItemLocations() const
{
    return bodyLocation();
}

unsigned int VyrEdidColorPointSubItem::doubleToCChar(double v)
{
    if (!(v > 0.0))
        return 0;
    if (v >= 1.0)
        return MaximumCode;
    const double scaled = v * 1024.0;
    const double whole = std::floor(scaled);
    const auto code = static_cast<unsigned int>(whole) + (scaled - whole > 0.5 ? 1u : 0u);
    return code > MaximumCode ? MaximumCode : code;
}

double VyrEdidColorPointSubItem::ccharToDouble(unsigned int c)
{
    return c / 1024.0;
}

void VyrEdidColorPointSubItem::onEnableWhite(bool on)
{
    m_index->setEnabled(on);
    m_whiteX->setEnabled(on);
    m_whiteY->setEnabled(on);
    if (on) {
        writeWhitePoint();
        return;
    }
    const auto index = Fields[m_w].index;
    editPoint([index](ColorPoint &point) { point.*index = 0; });
}

void VyrEdidColorPointSubItem::onIndex()
{
    writeWhitePoint();
}

void VyrEdidColorPointSubItem::onWhiteX()
{
    m_x = doubleToCChar(m_whiteX->text().toDouble());
    writeWhitePoint();
}

void VyrEdidColorPointSubItem::onWhiteY()
{
    m_y = doubleToCChar(m_whiteY->text().toDouble());
    writeWhitePoint();
}

void VyrEdidColorPointSubItem::onGammaDefined(bool on)
{
    m_gamma->setEnabled(on);
    if (on) {
        // A point without gamma shows none: write and show a usual one rather than leave the
        // box ticked over a gamma the block does not hold.
        if (!m_gamma->hasAcceptableInput())
            setEditorText(m_gamma, QString::number(DefaultGamma, 'f', 2));
        writeGamma();
        return;
    }
    // A point without gamma shows none, as a fresh tree does.
    setEditorText(m_gamma, QString());
    const auto defined = Fields[m_w].gammaDefined;
    editPoint([defined](ColorPoint &point) { point.*defined = false; });
}

void VyrEdidColorPointSubItem::onGamma()
{
    writeGamma();
}

void VyrEdidColorPointSubItem::writeWhitePoint()
{
    // An enabled white point without a valid index is written once the index is typed.
    if (!m_enable->isChecked() || !m_index->hasAcceptableInput())
        return;
    const unsigned int index = m_index->text().toUInt();
    const WhitePointFields f = Fields[m_w];
    const unsigned int x = m_x;
    const unsigned int y = m_y;
    editPoint([f, index, x, y](ColorPoint &point) {
        point.*f.index = index;
        point.*f.x = x;
        point.*f.y = y;
    });
    // The point is whole now: its fields show it as stored (a coordinate never typed as
    // 0.000), as a fresh tree does.
    const std::pair<QLineEdit *, QString> shown[] = {{m_index, QString::number(index)},
                                                     {m_whiteX, coordinateText(x)},
                                                     {m_whiteY, coordinateText(y)}};
    for (const auto &[edit, text] : shown) {
        if (edit->text() != text)
            setEditorText(edit, text);
    }
}

void VyrEdidColorPointSubItem::writeGamma()
{
    if (!m_gammaDefined->isChecked() || !m_gamma->hasAcceptableInput())
        return;
    const double gamma = m_gamma->text().toDouble();
    const WhitePointFields f = Fields[m_w];
    editPoint([f, gamma](ColorPoint &point) {
        point.*f.gammaDefined = true;
        point.*f.gamma = gamma;
    });
}

void VyrEdidColorPointSubItem::editPoint(const std::function<void(ColorPoint &)> &change)
{
    // The colour point writer belongs to the base block classes, not to every block.
    editRecord<ColorPoint>(dynamic_cast<Edid13Block *>(m_block), &Edid13Block::GetColorPoint,
                           &Edid13Block::SetColorPoint, change, m_slotNumber);
}

QTreeWidgetItem *VyrEdidColorPointSubItem::addRow(unsigned int code)
{
    auto *row = new VyrEdidColorPointSubChildItem(code, m_slotNumber, m_w, m_block);
    addChild(row);
    row->InitItems();
    return row;
}
