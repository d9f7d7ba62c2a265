#pragma once

#include "items/base/basedescriptoritem.h"
#include "model/base/edidbaserecords.h"

#include <QList>
#include <QStringList>

#include <optional>

class QComboBox;
class QLineEdit;
class QTreeWidgetItem;

// A display range limits descriptor (tag 0xFD, VESA E-EDID 1.4 section 3.10.3.3) of an EDID 1.3
// or 1.4 base block: the rate limits with their offsets, the maximum pixel clock, the timing
// support (a list), the secondary GTF values, the CVT values and the CVT aspect ratios, each a
// row (VyrEdidRangeLimitSubItem) with its editor.
//
// The item reads the descriptor once into its own record and writes the whole record on every
// edit: the block encodes the form of the chosen timing support. A timing support chosen anew
// brings its own values: those it had in this item before (switching back from default GTF to
// CVT brings its aspect ratios back), else the values a descriptor gets when it takes up that
// kind (Edid13Block::SetRangeFormulaDefaults), never the values of another kind. The secondary
// GTF and the CVT values share their five fields in the record (see RangeLimits); the group of
// the chosen timing support is enabled and shows them, the other one is disabled and empty.
// EDID 1.3 knows no rate offsets and no CVT: the offset lists stay empty and the timing support
// offers "Range Limits Only" and secondary GTF. A reserved code (rate offsets, timing support,
// preferred aspect) shows as such in its list and stays stored until the user picks an entry.
class VyrEdidRangeLimitItem : public BaseDescriptorItem
{
    Q_OBJECT

public:
    // Field codes of the rows, as the block locates them.
    enum Field : unsigned int {
        Timings = 0,
        HRateOffsets = 1,
        HRateMin = 2,
        HRateMax = 3,
        VRateOffsets = 4,
        VRateMin = 5,
        VRateMax = 6,
        MaxClock = 7,
        TimingSupport = 8,
        GtfGroup = 9,
        GtfC = 10,
        GtfK = 11,
        GtfM = 12,
        GtfJ = 13,
        GtfStartHRate = 14,
        CvtGroup = 15,
        CvtMaxLineLength = 16,
        CvtMaxClockPrecision = 17,
        CvtPreferredAspect = 18,
        CvtPreferredVRate = 19,
        AspectGroup = 26,
        Aspect4x3 = 27,
        Aspect16x9 = 28,
        Aspect16x10 = 29,
        Aspect5x4 = 30,
        Aspect15x9 = 31,
        FieldCount = 32
    };

    VyrEdidRangeLimitItem(unsigned int slotNumber, DataBlock *block);

    // Reads the descriptor and builds the rows; false, with no rows, without a block or outside
    // a tree.
    bool InitItems() override;
    // Descriptor bytes 4 to 16.
    QList<EdidItemLocation> GetItemLocations() const override;

    // The entries of the lists.
    static QStringList timingSupportNames(bool edid14);
    static QStringList offsetNames();
    static QStringList aspectNames();

public slots:
    void onComboHRateOffsets(int index);
    void onComboVRateOffsets(int index);
    void onComboTimingSupport(int index);
    void onComboCVTPrefAspectRatio(int index);
    void onEditHRateRangeMin();
    void onEditHRateRangeMax();
    void onEditVRateRangeMax();
    void onEditVRateRangeMin();
    void onEditMaxClock();
    void onEditGTF_C();
    void onEditGTF_K();
    void onEditGTF_M();
    void onEditGTF_J();
    void onEditGTF_StartHRate();
    void onEditCVT_MaxClockPrec();
    void onEditCVT_MaxLineLength();
    void onEditCVT_PrefVRate();
    // A change the user made to the check box of an aspect ratio row (code 27 to 31) while CVT
    // is chosen; without CVT the boxes only show the bytes.
    void onCheckStateChanged(bool state, int subItem);

private:
    // The formula group a number row belongs to.
    enum class Group { Rates, Gtf, Cvt };

    // A number row: its field, parent row, accepted range, tooltip, record field, group and
    // handler. stored gives the value the descriptor keeps of a typed one (null: the value).
    // A row of halves shows and takes its value in steps of 0.5 (40.5); its record field and
    // its range count halves (81).
    struct NumberRow
    {
        unsigned int code;
        unsigned int parent;
        int minimum;
        int maximum;
        const char *toolTip;
        unsigned &(*field)(RangeLimits &);
        unsigned (*stored)(unsigned);
        Group group;
        void (VyrEdidRangeLimitItem::*handler)();
        bool halves = false;
    };
    static const NumberRow NumberRows[13];
    static const NumberRow *numberRow(unsigned int code);

    // Adds the row of code under parent and runs its InitItems.
    QTreeWidgetItem *addRow(QTreeWidgetItem *parent, unsigned int code);
    void addNumberRow(const NumberRow &row);
    void addAspectRow(unsigned int code, bool checked);
    // The text of a number row: record's value while its group is enabled, else empty.
    QString numberText(const NumberRow &row, RangeLimits record) const;
    // A value of the row's record field as its editor shows it.
    static QString valueText(const NumberRow &row, unsigned value);
    // The timing-support list's current entry for the record's kind.
    ComboRows::Shown timingSupportEntry() const;
    // Sets the record's formula values for timing support kind, chosen instead of the record's
    // kind: those kind had in this item, else its defaults.
    void takeUpFormula(unsigned kind);
    // Enables the GTF or CVT rows and editors as the timing support says, and shows the
    // values stored in the enabled group (the other group's editors are emptied).
    void applyTimingSupport();
    // Stores the number of the editor of code into the record and writes it.
    void storeNumber(unsigned int code);
    // Writes the whole record through the block and notifies.
    void writeRecord();

    RangeLimits m_record{};
    std::optional<RangeGtfValues> m_keptGtf;
    std::optional<RangeCvtValues> m_keptCvt;
    bool m_edid14 = false;
    bool m_rateOffsets = false;
    bool m_gtfOn = false;
    bool m_cvtOn = false;
    QList<QTreeWidgetItem *> m_gtfRows;
    QList<QTreeWidgetItem *> m_cvtRows;
    QTreeWidgetItem *m_rows[FieldCount] = {};
    QLineEdit *m_edits[FieldCount] = {};
    QComboBox *m_hOffsets = nullptr;
    QComboBox *m_vOffsets = nullptr;
    QComboBox *m_timingSupport = nullptr;
    QComboBox *m_aspect = nullptr;
};
