#pragma once

#include "items/displayid/detailedtimingdesc.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <type_traits>
#include <utility>

class DisplayIDBlock;

// An entry for one descriptor of a DisplayID timing data block: the data block's position in
// the section's block map, the descriptor's position in the data block and the section's
// block object (not owned). The entry keeps no copy of the descriptor: it reads the record for
// its rows and again for every edit, changes one field and writes the record back through the
// block object's single-descriptor setter.
class DisplayIDTimingItem : public DetailedTimingDesc
{
    Q_OBJECT

public:
    // descriptorSize: the bytes of one descriptor (20, 11 or 3).
    DisplayIDTimingItem(unsigned int blockIndex, unsigned int descIndex, DisplayIDBlock *model,
                        unsigned int descriptorSize);

    unsigned int blockIndex() const { return m_blockIndex; }
    unsigned int descIndex() const { return m_descIndex; }
    DisplayIDBlock *model() const { return m_model; }

    // Names of the rows; the cells report their edits under them (two-value cells add " left"
    // or " right").
    static const char *const Active;
    static const char *const Blank;
    static const char *const SyncFrontPorch;
    static const char *const SyncWidth;
    static const char *const Flags;
    static const char *const PixelClock;
    static const char *const AspectRatio;
    static const char *const StereoSupport;
    static const char *const TimingFormula;
    static const char *const FieldRate;
    static const char *const HActive;
    // Labels of the flags.
    static const char *const Preferred;
    static const char *const Interlaced;
    static const char *const HSyncPolarity;
    static const char *const VSyncPolarity;
    // The translated name of a row.
    static QString rowName(const char *name);

protected:
    struct Range
    {
        int minimum;
        int maximum;
    };
    struct Flag
    {
        const char *label; // untranslated, context "DisplayIDTimingItem"
        int bit;           // the flag's number in DoEdit's CheckBoxData
        bool checked;
        unsigned int byte; // the descriptor byte holding it
    };

    // The image bytes at offset of the entry's descriptor.
    EdidItemLocation at(unsigned int offset, unsigned int length = 1) const;

    // The rows; each cell starts at its value before it is connected, so building writes
    // nothing.
    // "name H(pixels)/V(lines)": two whole numbers, each box with its range.
    void addPair(const char *name, quint32 h, quint32 v, Range hRange, Range vRange,
                 EdidItemLocation hBytes, EdidItemLocation vBytes);
    // "Flags": one check box per flag, each row showing its byte; the group shows them all.
    void addFlags(const QList<Flag> &flags);
    // "Pixel clock": the clock in MHz as text, from 0.01 to what 24 bits of 10 kHz hold.
    void addPixelClock(double mhz);
    // A drop-down list of texts (value = position) at code. A code without a text (an aspect
    // code of 7, or 8 for 8 and above) gets an entry "reserved" of its own, so choosing it again
    // keeps the stored code.
    void addChoice(const char *name, const char *const *texts, int count, quint32 code,
                   EdidItemLocation bytes);
    // A whole number as text, from minimum to maximum.
    void addNumber(const char *name, quint32 value, const QString &format, Range range,
                   EdidItemLocation bytes);

    // The edits common to Type I and II records: the four pairs, the flags (bit 0 preferred,
    // 1 interlaced, 2 horizontal and 3 vertical sync polarity), the pixel clock and the stereo
    // code (0 to 3 only). False when name designates none of them or the value is refused (a
    // text that is no number among them).
    template <typename Record>
    static bool applyDetailedEdit(Record &r, const QString &name, const QVariant &value)
    {
        bool changed = false;
        const auto pair = [&](const char *row, quint32 &h, quint32 &v) {
            if (name.contains(rowName(row) + QStringLiteral(" left")))
                changed = wholeValue(value, &h);
            if (name.contains(rowName(row) + QStringLiteral(" right")))
                changed = wholeValue(value, &v);
        };
        pair(Active, r.hActive, r.vActive);
        pair(Blank, r.hBlank, r.vBlank);
        pair(SyncFrontPorch, r.hOffset, r.vOffset);
        pair(SyncWidth, r.hSyncWidth, r.vSyncWidth);
        if (name.contains(rowName(Flags))) {
            const CheckBoxFlag flag = checkBoxFlag(value);
            switch (flag.bit) {
            case 0:
                changed = setFlag(r.preferred, flag.checked);
                break;
            case 1:
                changed = setFlag(r.interlaced, flag.checked);
                break;
            case 2:
                changed = setFlag(r.hSyncPolarity, flag.checked);
                break;
            case 3:
                changed = setFlag(r.vSyncPolarity, flag.checked);
                break;
            default:
                break;
            }
        }
        if (name.contains(rowName(PixelClock)))
            changed = realValue(value, &r.pixelClock);
        quint32 stereo = 0;
        if (name.contains(rowName(StereoSupport)) && wholeValue(value, &stereo) && stereo <= 3) {
            r.stereo = stereo;
            changed = true;
        }
        return changed;
    }

    // The text of the stored value of the cell reporting under name, for a Type I or II record
    // read with (m_model->*get)(block, descriptor, &record): the pixel clock, or a side of a
    // pair (name ending in " left" or " right"); null for any other name. The block stores
    // coarser than typed: the clock in 10 kHz steps (69592.704 reads back as 69592.7), Type II
    // horizontal lengths in 8-pixel steps (99 reads back as 104).
    template <typename Record, typename Get>
    QString storedDetailedText(Get get, const QString &name) const
    {
        if (!m_model)
            return QString();
        Record r{};
        (m_model->*get)(m_blockIndex, m_descIndex, &r);
        if (name.contains(rowName(PixelClock)))
            return pixelClockText(r.pixelClock);
        const std::pair<const char *, std::pair<quint32, quint32>> pairs[] = {
            {Active, {r.hActive, r.vActive}},
            {Blank, {r.hBlank, r.vBlank}},
            {SyncFrontPorch, {r.hOffset, r.vOffset}},
            {SyncWidth, {r.hSyncWidth, r.vSyncWidth}}};
        for (const auto &[row, stored] : pairs) {
            if (name.contains(rowName(row) + QStringLiteral(" left")))
                return QString::number(stored.first);
            if (name.contains(rowName(row) + QStringLiteral(" right")))
                return QString::number(stored.second);
        }
        return QString();
    }
    // The clock in MHz as a pixel clock cell shows it.
    static QString pixelClockText(double mhz);

    struct CheckBoxFlag
    {
        int bit = -1;
        bool checked = false;
    };
    // The CheckBoxData of a flag's edit; bit -1 for any other value.
    static CheckBoxFlag checkBoxFlag(const QVariant &value);
    template <typename Field> static bool setFlag(Field &field, bool checked)
    {
        field = static_cast<std::remove_reference_t<Field>>(checked ? 1 : 0);
        return true;
    }

    // Writes "<who> edited", the name in double quotes and the value to the debug log.
    static void logEdit(const char *who, const QString &name, const QVariant &value);

    unsigned int m_blockIndex;
    unsigned int m_descIndex;
    DisplayIDBlock *m_model;

private:
    unsigned int m_descriptorSize;
};
