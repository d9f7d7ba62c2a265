#pragma once

#include "model/edidtypes.h"

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QTreeWidgetItem>

#include <type_traits>
#include <utility>

class QValidator;
class QWidget;

// A row of the EDID tree that is a Qt object: every item (VyrEdidItemBase) and every DisplayID
// row (VyrDIDTreeWidgetItem) is one. It is the one home of the rules that stop the tree from
// writing what the user did not ask for, or into a row that is going away:
// - Every edit runs through editRecord(): read the whole record, change one field, write it,
//   notify the view.
// - Every handler connected to the row through relay() does nothing once the row is detached,
//   and its connection is cut before the tree item part goes.
// - A row taken out of the tree (VyrEdidRows) is detached: its handlers do nothing and the
//   signals of its widgets are blocked.
class VyrEdidRowObject : public QObject, public QTreeWidgetItem
{
    Q_OBJECT

public:
    ~VyrEdidRowObject() override;

    VyrEdidRowObject(const VyrEdidRowObject &) = delete;
    VyrEdidRowObject &operator=(const VyrEdidRowObject &) = delete;

    // True once the row has left its tree (VyrEdidRows) or is being destroyed: its handlers do
    // nothing.
    bool isDetached() const { return m_detached; }

    // The image bytes the view highlights while this row is the tree's current row.
    virtual QList<EdidItemLocation> highlightedLocations() const = 0;

    // Validators that read numbers in the C locale ("2.20", never "2,20"), children of parent:
    // those of VyrNumberText, which reads what they accept.
    static QValidator *intValidator(int minimum, int maximum, QObject *parent);
    static QValidator *doubleValidator(double minimum, double maximum, int decimals,
                                       QObject *parent);

protected:
    // type: the QTreeWidgetItem type (the row's kind code); parent: the parent row, or none
    // (the caller adds the row).
    explicit VyrEdidRowObject(int type, QTreeWidgetItem *parent = nullptr);

    // Tells the tree that the image changed (the tree's edidDataChanged()); nothing when the row
    // is not in a VyrEdidInfoTree.
    void notifyTree();

    // Puts widget, made without parent, into column of row; the tree owns it from now on. Its line
    // editors and spin boxes are guarded (VyrEdidInputGuard): text they refuse never stays. A row
    // that is not in a tree cannot own it: the widget is deleted (false).
    static bool placeWidget(QTreeWidgetItem *row, int column, QWidget *widget);

    // Connects signal of sender to handler with this row as context; the handler takes the
    // signal's arguments or none. It does nothing once the row is detached, and the connection
    // is cut before the tree item part goes.
    template <typename Sender, typename Signal, typename Handler>
    void relay(Sender *sender, Signal signal, Handler handler)
    {
        m_connections.append(
            connect(sender, signal, this, [this, handler](auto &&...arguments) mutable {
                if (!m_detached)
                    callHandler(handler, std::forward<decltype(arguments)>(arguments)...);
            }));
    }

    // The one edit path of every row: reads the whole record with (block->*get)(address...,
    // &record), lets change(Record &) set its own field, writes the record with
    // (block->*set)(address..., &record) and notifies the tree. A getter that answers false
    // finds no record, and a change that answers false refuses the edit: nothing is written and
    // nobody is told. Without a block there is nothing to write, but the tree is still told; a
    // detached row does nothing at all. Answers whether the record was written.
    //     editRecord<ProductIdInfo>(model, &Edid13Block::GetProductIdInfo,
    //                               &Edid13Block::SetProductIdInfo,
    //                               [&](ProductIdInfo &info) { info.week = week; });
    //     editRecord<DidPowerSeqDataBlock>(m_model, &DisplayIDBlock::GetPowerSeqDataBlock,
    //                                      &DisplayIDBlock::SetPowerSeqDataBlock,
    //                                      [&](DidPowerSeqDataBlock &r) { r.t4Min = t4; },
    //                                      m_index);
    template <typename Record, typename Block, typename Get, typename Set, typename Change,
              typename... Address>
    bool editRecord(Block *block, Get get, Set set, Change change, Address... address)
    {
        if (m_detached)
            return false;
        if (!block) {
            notifyTree();
            return false;
        }
        Record record{};
        if constexpr (std::is_same_v<decltype((block->*get)(address..., &record)), bool>) {
            if (!(block->*get)(address..., &record))
                return false;
        } else {
            (block->*get)(address..., &record);
        }
        if constexpr (std::is_same_v<decltype(change(record)), bool>) {
            if (!change(record))
                return false;
        } else {
            change(record);
        }
        (block->*set)(address..., &record);
        notifyTree();
        return true;
    }

private:
    // Calls handler with the signal's arguments, or with none when it takes none. A template of
    // its own, so that only the call that fits the handler is compiled.
    template <typename Handler, typename... Arguments>
    static void callHandler(Handler &handler, Arguments &&...arguments)
    {
        if constexpr (std::is_invocable_v<Handler &, Arguments...>)
            handler(std::forward<Arguments>(arguments)...);
        else
            handler();
    }

    friend class VyrEdidRows;

    bool m_detached = false;
    QList<QMetaObject::Connection> m_connections;
};
