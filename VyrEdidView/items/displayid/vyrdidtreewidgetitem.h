#pragma once

#include "frame/vyredidkinds.h"
#include "frame/vyredidrowobject.h"
#include "model/edidtypes.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTreeWidgetItem>
#include <QVariant>

#include <type_traits>

class QWidget;

// What a DisplayID edit cell offers, found at compile time: the focus signal (line and
// two-value cells), a label (two-value cells) and a type tag (line and two-value cells).
namespace VyrDIDCellTraits {
template <typename Cell, typename = void> struct HasFocusSignal : std::false_type
{
};
template <typename Cell>
struct HasFocusSignal<Cell, std::void_t<decltype(&Cell::focusChanged)>> : std::true_type
{
};
template <typename Cell, typename = void> struct HasLabel : std::false_type
{
};
template <typename Cell>
struct HasLabel<Cell, std::void_t<decltype(std::declval<const Cell &>().label())>> : std::true_type
{
};
template <typename Cell, typename = void> struct HasFormat : std::false_type
{
};
template <typename Cell>
struct HasFormat<Cell, std::void_t<decltype(std::declval<const Cell &>().format())>>
    : std::true_type
{
};
} // namespace VyrDIDCellTraits

// A row below a DisplayID block item (item type 1119): a Qt object and a tree item that knows
// which bytes of the EDID image it shows. A row that edits two values holds the left value's
// location first and the right one's second; the view asks GetItemLocations(true) and shows
// the bytes of the value whose control has the keyboard focus.
//
// The protected part is the toolkit the DisplayID items and timing entries build on: rows
// with an edit cell (addCellRow) and the echo of an edit (editAndShowStored). The one edit path
// (editRecord), the relayed connections and the detaching are those of every row
// (VyrEdidRowObject): a row taken out of the tree (VyrEdidRows) is detached, its cells' signals
// are blocked and its handlers do nothing.
class VyrDIDTreeWidgetItem : public VyrEdidRowObject
{
    Q_OBJECT

public:
    // A row of type 1119 under parent (none: the caller adds it), with no location.
    explicit VyrDIDTreeWidgetItem(QTreeWidgetItem *parent = nullptr);

    // The location list becomes exactly {location}.
    void SetLocation(const EdidItemLocation &location);
    // The location list becomes locations (a two-value row: left, then right).
    void setLocations(const QList<EdidItemLocation> &locations);

    // The row's image ranges. With focusedOnly, only the one of the value whose control has the
    // focus when the cell in column 1 edits several values (IMultiEdit) and the row holds a
    // location for it; the whole list otherwise.
    virtual QList<EdidItemLocation> GetItemLocations(bool focusedOnly) const;

    // Tells the tree that the image changed (edidDataChanged() of a VyrEdidInfoTree).
    void NotifyAtDataChanged();

    // The view highlights GetItemLocations(true).
    QList<EdidItemLocation> highlightedLocations() const override;

public slots:
    // Makes this row the current item of its tree, cleared first so that the tree reports the
    // change also when the row was current already: the view then shows the bytes of the value
    // that has the focus now. The argument (focus in or out) is not looked at.
    void onFocusChanged(bool in);

protected:
    // Adds a child row for cell and connects the cell: its editingFinished(name, value) to
    // (receiver->*slot), its focusChanged(bool), when it has one, to the new row. Column 0 shows
    // the cell's name (a two-value cell: name, a blank, its label), column 2 its type tag
    // unless withTypeTag is false. A null cell gives an empty row. Call it once this row is in
    // its tree: the cell goes into column 1 of the new row.
    template <typename Cell, typename Receiver>
    VyrDIDTreeWidgetItem *addCellRow(Cell *cell, Receiver *receiver,
                                     void (Receiver::*slot)(const QString &, const QVariant &),
                                     bool withTypeTag = true)
    {
        auto *row = new VyrDIDTreeWidgetItem(this);
        if (!cell)
            return row;
        QObject::connect(cell,
                         QOverload<const QString &, const QVariant &>::of(&Cell::editingFinished),
                         receiver, slot);
        if constexpr (VyrDIDCellTraits::HasFocusSignal<Cell>::value)
            QObject::connect(cell, &Cell::focusChanged, row, &VyrDIDTreeWidgetItem::onFocusChanged);
        QString text = cell->name();
        if constexpr (VyrDIDCellTraits::HasLabel<Cell>::value)
            text += QLatin1Char(' ') + cell->label();
        row->setText(VyrEdidColumn::Property, text);
        if constexpr (VyrDIDCellTraits::HasFormat<Cell>::value) {
            if (withTypeTag)
                row->setText(VyrEdidColumn::Type, cell->format());
        }
        placeWidget(row, VyrEdidColumn::Value, cell);
        return row;
    }

    // The number an edit carries: the text of a line cell, read as the tree reads every typed
    // number (VyrNumberText: the C locale, whatever the system's), or the number of a spin box
    // or a list. False, with number untouched, for anything else and for a whole number outside
    // 0 to 2^32 - 1: the edit then writes nothing.
    static bool wholeValue(const QVariant &value, quint32 *number);
    static bool realValue(const QVariant &value, double *number);

    // The edit path of a cell's edit reported under name: unless the row is detached, runs
    // edit(), which writes it, then gives a line cell or a two-value cell that sent it the text
    // of the value now stored, storedText(name). The block may store a value coarser than typed
    // (3.141 mm as 3.1): the cell shows what the bytes hold, as a fresh build would.
    template <typename Edit> void editAndShowStored(QObject *cell, const QString &name, Edit edit)
    {
        if (isDetached())
            return;
        const QPointer<QObject> sent(cell);
        edit();
        if (!isDetached())
            showStored(sent, name, storedText(name));
    }
    // The text of the value stored for the cell reporting under name (a two-value cell: for the
    // value whose name ends in " left" or " right"), read back after its edit, as
    // QString::number() writes it for a two-value cell; null (the default) leaves the cell
    // showing what was typed.
    virtual QString storedText(const QString &name) const;
    // Unless text is null, sets it in cell when it is a line cell, or in the value of a
    // two-value cell that reported under name (VyrDualEditBase::showStored()). With a null
    // text, a line cell of whole numbers shows its number as stored ("+012" as 12).
    static void showStored(QObject *cell, const QString &name, const QString &text);

    QList<EdidItemLocation> m_locations;
};
