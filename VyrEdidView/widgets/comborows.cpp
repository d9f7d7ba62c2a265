#include "comborows.h"

#include <QCoreApplication>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace {

// Marks the entry of a code no entry stands for.
constexpr int UnknownRole = Qt::UserRole + 0x554E;
// Set on a list once it drops its unknown entry by itself.
const char *const WatchedProperty = "comboRowsWatched";

int unknownIndex(const QComboBox *list)
{
    for (int index = list->count() - 1; index >= 0; --index) {
        if (list->itemData(index, UnknownRole).toBool())
            return index;
    }
    return -1;
}

void dropUnknown(QComboBox *list)
{
    const QSignalBlocker blocker(list);
    for (int index = unknownIndex(list); index >= 0; index = unknownIndex(list))
        list->removeItem(index);
}

} // namespace

namespace ComboRows {

QString unknownText(unsigned code)
{
    return QCoreApplication::translate("ComboRows", "Unknown (0x%1)")
        .arg(QString::number(code, 16).toUpper().rightJustified(2, QLatin1Char('0')));
}

int entryCount(const QComboBox *list)
{
    return unknownIndex(list) >= 0 ? list->count() - 1 : list->count();
}

void show(QComboBox *list, Shown shown)
{
    const QSignalBlocker blocker(list);
    dropUnknown(list);
    if (shown.row >= 0 && shown.row < list->count()) {
        list->setCurrentIndex(shown.row);
        return;
    }
    // The code has no entry: it is shown, but it is no choice.
    list->addItem(unknownText(shown.code), QVariant(shown.code));
    const int index = list->count() - 1;
    list->setItemData(index, true, UnknownRole);
    if (auto *model = qobject_cast<QStandardItemModel *>(list->model())) {
        if (QStandardItem *entry = model->item(index))
            entry->setEnabled(false);
    }
    list->setCurrentIndex(index);
    if (!list->property(WatchedProperty).toBool()) {
        list->setProperty(WatchedProperty, true);
        // Once the user chooses an entry, the code shown is no longer the one stored.
        QObject::connect(list, QOverload<int>::of(&QComboBox::currentIndexChanged), list,
                         [list](int current) {
                             if (!isUnknown(list, current))
                                 dropUnknown(list);
                         });
    }
}

void showCode(QComboBox *list, unsigned code)
{
    show(list, byCode(code, entryCount(list)));
}

bool isUnknown(const QComboBox *list, int index)
{
    return index >= 0 && list->itemData(index, UnknownRole).toBool();
}

int currentRow(const QComboBox *list)
{
    const int index = list->currentIndex();
    return isUnknown(list, index) ? -1 : index;
}

} // namespace ComboRows
