#pragma once

#include "frame/vyredidkinds.h"
#include "frame/vyredidrowobject.h"
#include "model/edidtypes.h"
#include "widgets/comborows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QSignalBlocker>
#include <QStringList>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QValidator>

#include <type_traits>

class QLabel;

// Every row of the EDID tree that stands for a block, a section or a field group: a Qt object
// and a tree item whose type is its kind code. The protocol: the parent creates the item, adds
// it to the tree and only then calls InitItems(), which builds the item's rows and editors; an
// edit writes through the block object and calls NotifyAtDataChanged(); the view asks the
// tree's current row, item or not, for highlightedLocations() to highlight its bytes, and an
// item answers with its GetItemLocations().
//
// The protected part is the toolkit every item builds on. Besides the rules of every row
// (VyrEdidRowObject: one edit path, relayed connections, detaching), it keeps two more that stop
// the tree from writing what the user did not ask for:
// - Editors are filled first and connected last, so building a tree writes nothing; a line
//   editor reports only text the user changed; refills happen with signals blocked. Every
//   editor goes in through a place*() helper, which relays its signal.
// - Rows leave the tree only through removeChildRows() (VyrEdidRows): the pending edit is
//   committed first, then the rows are detached (their widgets' signals blocked), taken out last
//   first and deleted later, never inside their own signal.
class VyrEdidItemBase : public VyrEdidRowObject
{
    Q_OBJECT

public:
    // bytes: the EDID image (or block bytes) the item works on; not owned.
    VyrEdidItemBase(unsigned char *bytes, int kind);

    // The item protocol, in slot order after the row's highlightedLocations().
    // Builds the item's rows and editors (the item must be in its tree); false when the item
    // built nothing usable.
    virtual bool InitItems();
    virtual unsigned int GetNumberOfExtentions();
    virtual void SetNumberOfExtentions(unsigned int count);
    virtual int GetSubItemType() const;
    // Image bytes the block of a block item takes.
    virtual unsigned int GetBlockSize() const;
    // The image bytes the item shows.
    virtual QList<EdidItemLocation> GetItemLocations() const = 0;
    // Tells the tree that the image changed (the tree's edidDataChanged()); nothing when the item
    // is not in a VyrEdidInfoTree.
    virtual void NotifyAtDataChanged();

    // The view highlights the bytes of an item whose kind code is above the root's: its
    // GetItemLocations().
    QList<EdidItemLocation> highlightedLocations() const override;

    // The parent row (QObject::parent() is a different thing).
    QTreeWidgetItem *parentRow() const { return QTreeWidgetItem::parent(); }

protected:
    // ---- Rows and editors (the item and the row must already be in the tree) ----

    // A widget goes into a row through placeWidget() (VyrEdidRowObject), an editor through one of
    // the helpers below, which also connect it.

    // A read-only value: a label in the value column, typeTag as the text of the type column.
    static QLabel *placeLabel(QTreeWidgetItem *row, const QString &text,
                              const QString &typeTag = QString());

    // A line editor holding text in the value column and typeTag in the type column. The
    // handler, handler(const QString &text) or handler(), runs on editingFinished() only when
    // the user changed the text since it was filled (Qt emits editingFinished() only for text
    // that the validator or input mask accepts; text they refuse is put back and the refusal
    // said, see placeWidget()), so visiting an editor writes nothing. Give the returned editor
    // its validator (see intValidator(), doubleValidator()), mask and tooltip.
    template <typename Handler>
    QLineEdit *placeLineEdit(QTreeWidgetItem *row, const QString &text, const QString &typeTag,
                             Handler handler)
    {
        auto *edit = new QLineEdit(text);
        edit->setModified(false);
        placeWidget(row, VyrEdidColumn::Value, edit);
        row->setText(VyrEdidColumn::Type, typeTag);
        relay(edit, &QLineEdit::editingFinished, [edit, handler]() {
            if (!edit->isModified())
                return;
            showNumberAsStored(edit);
            edit->setModified(false);
            if constexpr (std::is_invocable_v<Handler, const QString &>)
                handler(edit->text());
            else
                handler();
        });
        return edit;
    }

    // A check box without text in the value column, set to checked, then connected:
    // handler(bool) runs on each change the user makes.
    template <typename Handler>
    QCheckBox *placeCheckBox(QTreeWidgetItem *row, bool checked, Handler handler)
    {
        auto *box = new QCheckBox;
        box->setChecked(checked);
        placeWidget(row, VyrEdidColumn::Value, box);
        relay(box, &QCheckBox::toggled, handler);
        return box;
    }

    // A drop-down list in the value column holding entries with row current selected (-1 for
    // none; a ComboRows::Shown shows a stored code that no entry stands for as such), then
    // connected: handler(int row) or handler() runs on each change of the current row to one of
    // entries.
    template <typename Current, typename Handler>
    QComboBox *placeComboBox(QTreeWidgetItem *row, const QStringList &entries, Current current,
                             Handler handler)
    {
        auto *combo = new QComboBox;
        refillComboBox(combo, entries, current);
        placeWidget(row, VyrEdidColumn::Value, combo);
        relay(combo, QOverload<int>::of(&QComboBox::currentIndexChanged),
              [combo, handler](int index) mutable {
                  if (ComboRows::isUnknown(combo, index))
                      return;
                  if constexpr (std::is_invocable_v<Handler &, int>)
                      handler(index);
                  else
                      handler();
              });
        return combo;
    }

    // Makes column of row a check box with the state given, then relays changes of that
    // state to handler(bool). Qt reports every data change of a row (its text, its flags) as
    // itemChanged(row, column); only a change of this column's check state to a new value
    // reaches the handler.
    template <typename Handler>
    void placeCheckState(QTreeWidgetItem *row, int column, bool checked, Handler handler)
    {
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(column, checked ? Qt::Checked : Qt::Unchecked);
        // The row carries a token of this relay: a row made later at the same address (after
        // this one was removed) does not carry it, so it never reaches this handler.
        const qulonglong token = nextRelayToken();
        row->setData(column, RelayTokenRole, token);
        QTreeWidget *tree = row->treeWidget();
        if (!tree)
            return;
        relay(tree, &QTreeWidget::itemChanged,
              [row, column, token, handler, last = checked](QTreeWidgetItem *item,
                                                            int changed) mutable {
                  if (item != row || changed != column
                      || item->data(column, RelayTokenRole).toULongLong() != token)
                      return;
                  const bool now = item->checkState(column) == Qt::Checked;
                  if (now == last)
                      return;
                  last = now;
                  handler(now);
              });
    }

    // A number the validator of edit accepted, written as the tree writes it ("+012" as "12",
    // "0.7" as "0.700" for three decimals), so that the editor shows what a fresh tree shows.
    static void showNumberAsStored(QLineEdit *edit);

    // Refills without reporting a change to the handlers.
    static void setEditorText(QLineEdit *edit, const QString &text);
    static void refillComboBox(QComboBox *combo, const QStringList &entries, int current);
    static void refillComboBox(QComboBox *combo, const QStringList &entries,
                               ComboRows::Shown current);
    static void setCheckedQuietly(QAbstractButton *button, bool checked);

    // ---- Rebuilds ----

    // Lets a line editor of the tree that holds unconfirmed text report it now.
    void commitPendingEdit() const;
    // Commits the pending edit, then takes the child rows from first on out of the tree, last
    // first; they are deleted later (see VyrEdidRows::removeChildren).
    void removeChildRows(int first = 0);
    // The same for the one child row at index (an entry of a list replaced in place).
    void removeChildRow(int index);

    unsigned char *m_bytes;
    int m_kind;
    unsigned int m_extensionCount = 0;

private:
    static constexpr int RelayTokenRole = Qt::UserRole + 0x5652;
    static qulonglong nextRelayToken();
};
