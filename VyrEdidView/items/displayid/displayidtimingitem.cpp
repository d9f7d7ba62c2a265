#include "displayidtimingitem.h"

#include "frame/vyrediditembase.h"
#include "items/displayid/didtexttable.h"
#include "items/displayid/didtimingtexttable.h"
#include "items/displayid/didwidgets.h"
#include "model/displayid/displayidlayout.h"

#include <QCoreApplication>
#include <QDebug>

const char *const DisplayIDTimingItem::Active = QT_TRANSLATE_NOOP("DisplayIDTimingItem", "Active");
const char *const DisplayIDTimingItem::Blank = QT_TRANSLATE_NOOP("DisplayIDTimingItem", "Blank");
const char *const DisplayIDTimingItem::SyncFrontPorch =
    QT_TRANSLATE_NOOP("DisplayIDTimingItem", "Sync Front Porch");
const char *const DisplayIDTimingItem::SyncWidth =
    QT_TRANSLATE_NOOP("DisplayIDTimingItem", "Sync Width");
const char *const DisplayIDTimingItem::Flags = QT_TRANSLATE_NOOP("DisplayIDTimingItem", "Flags");
const char *const DisplayIDTimingItem::PixelClock =
    QT_TRANSLATE_NOOP("DisplayIDTimingItem", "Pixel clock");
const char *const DisplayIDTimingItem::AspectRatio =
    QT_TRANSLATE_NOOP("DisplayIDTimingItem", "Aspect Ratio");
const char *const DisplayIDTimingItem::StereoSupport =
    QT_TRANSLATE_NOOP("DisplayIDTimingItem", "3D Stereo Support");
const char *const DisplayIDTimingItem::TimingFormula =
    QT_TRANSLATE_NOOP("DisplayIDTimingItem", "Timing Formula");
const char *const DisplayIDTimingItem::FieldRate =
    QT_TRANSLATE_NOOP("DisplayIDTimingItem", "Field Rate");
const char *const DisplayIDTimingItem::HActive =
    QT_TRANSLATE_NOOP("DisplayIDTimingItem", "HActive");
const char *const DisplayIDTimingItem::Preferred =
    QT_TRANSLATE_NOOP("DisplayIDTimingItem", "Prefered");
const char *const DisplayIDTimingItem::Interlaced =
    QT_TRANSLATE_NOOP("DisplayIDTimingItem", "Interlaced");
const char *const DisplayIDTimingItem::HSyncPolarity =
    QT_TRANSLATE_NOOP("DisplayIDTimingItem", "HSync Polarity");
const char *const DisplayIDTimingItem::VSyncPolarity =
    QT_TRANSLATE_NOOP("DisplayIDTimingItem", "VSync Polarity");

DisplayIDTimingItem::DisplayIDTimingItem(unsigned int blockIndex, unsigned int descIndex,
                                         DisplayIDBlock *model, unsigned int descriptorSize)
    : m_blockIndex(blockIndex)
    , m_descIndex(descIndex)
    , m_model(model)
    , m_descriptorSize(descriptorSize)
{}

QString DisplayIDTimingItem::rowName(const char *name)
{
    return QCoreApplication::translate("DisplayIDTimingItem", name);
}

EdidItemLocation DisplayIDTimingItem::at(unsigned int offset, unsigned int length) const
{
    return {BaseOffset() + DisplayIDLayout::BlockHeaderBytes + m_descIndex * m_descriptorSize
                + offset,
            length};
}

void DisplayIDTimingItem::addPair(const char *name, quint32 h, quint32 v, Range hRange,
                                  Range vRange, EdidItemLocation hBytes, EdidItemLocation vBytes)
{
    auto *cell = new VyrDIDIntDualEditItem(
        rowName(name), tr("H(pixels)/V(lines)"), int(h), int(v), QStringLiteral("[DEC]"),
        qMin(hRange.minimum, vRange.minimum), qMax(hRange.maximum, vRange.maximum));
    // Each half its own range; the values read lie inside, and the cell is not connected to
    // this entry yet.
    cell->leftBox()->setRange(hRange.minimum, hRange.maximum);
    cell->rightBox()->setRange(vRange.minimum, vRange.maximum);
    addWidget(cell)->setLocations({hBytes, vBytes});
}

void DisplayIDTimingItem::addFlags(const QList<Flag> &flags)
{
    auto *group = new VyrDIDCheckBoxItems(rowName(Flags));
    addChild(group);
    connect(group, &VyrDIDCheckBoxItems::editingFinished, this,
            &DetailedTimingDesc::onEdidtingFinished);
    QList<EdidItemLocation> groupBytes;
    QList<unsigned int> seen;
    for (const Flag &flag : flags) {
        auto *box = new VyrDIDCheckBoxItem(QString(), rowName(flag.label), flag.bit, flag.checked);
        group->addCheckBox(box)->SetLocation(at(flag.byte));
        if (!seen.contains(flag.byte)) {
            seen.append(flag.byte);
            groupBytes.append(at(flag.byte));
        }
    }
    group->setLocations(groupBytes);
}

QString DisplayIDTimingItem::pixelClockText(double mhz)
{
    // Shortest form, with the 8 digits the largest clock has: a confirmed text that was not
    // changed writes the same clock.
    return QString::number(mhz, 'g', 8);
}

void DisplayIDTimingItem::addPixelClock(double mhz)
{
    auto *cell =
        new VyrDIDLineEditItem(rowName(PixelClock), pixelClockText(mhz), QStringLiteral("[FLT]"));
    // 24 bits of 10 kHz steps, stored minus one: 0.01 to 167772.16 MHz.
    cell->setValidator(VyrEdidItemBase::doubleValidator(0.01, 167772.16, 3, cell));
    addWidget(cell)->SetLocation(at(0, 3));
}

void DisplayIDTimingItem::addChoice(const char *name, const char *const *texts, int count,
                                    quint32 code, EdidItemLocation bytes)
{
    auto *cell = new VyrDIDComboBoxItem(rowName(name));
    QList<ComboBoxData> entries;
    for (int i = 0; i < count; ++i)
        entries.append(ComboBoxData{didText(texts[i]), i});
    cell->addItems(entries);
    cell->showStoredValue(code);
    addWidget(cell)->SetLocation(bytes);
}

void DisplayIDTimingItem::addNumber(const char *name, quint32 value, const QString &format,
                                    Range range, EdidItemLocation bytes)
{
    auto *cell = new VyrDIDLineEditItem(rowName(name), QString::number(value), format);
    cell->setValidator(VyrEdidItemBase::intValidator(range.minimum, range.maximum, cell));
    addWidget(cell)->SetLocation(bytes);
}

DisplayIDTimingItem::CheckBoxFlag DisplayIDTimingItem::checkBoxFlag(const QVariant &value)
{
    if (value.userType() != qMetaTypeId<CheckBoxData>())
        return {};
    const auto data = value.value<CheckBoxData>();
    return {data.bit, data.isChecked};
}

void DisplayIDTimingItem::logEdit(const char *who, const QString &name, const QVariant &value)
{
    qDebug().nospace() << who << " edited \"" << qPrintable(name) << "\"  " << value;
}
