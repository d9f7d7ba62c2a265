#include "didcellmakers.h"

#include "frame/vyredidkinds.h"
#include "items/displayid/vyrdidcheckboxitem.h"
#include "items/displayid/vyrdidcheckboxitems.h"
#include "items/displayid/vyrdidlineedititem.h"
#include "widgets/vyrnumbertext.h"

#include <QSignalBlocker>
#include <QTreeWidget>

VyrDIDLineEditItem *decimalLineCell(const QString &name, unsigned int value, int maximum)
{
    auto *cell = new VyrDIDLineEditItem(name, QString::number(value), QStringLiteral("[DEC]"));
    cell->setValidator(VyrNumberText::wholeValidator(0, maximum, cell));
    return cell;
}

void fillFlagGroup(VyrDIDCheckBoxItems *group, const QStringList &labels,
                   const std::function<bool(int)> &checked, const EdidItemLocation &location)
{
    group->SetLocation(location);
    for (int box = 0; box < labels.size(); ++box) {
        auto *checkBox = new VyrDIDCheckBoxItem(QString(), labels.at(box), box, checked(box));
        group->addCheckBox(checkBox)->SetLocation(location);
    }
}

void showFlagGroup(VyrDIDCheckBoxItems *group, const std::function<bool(int)> &checked)
{
    QTreeWidget *tree = group->treeWidget();
    for (int i = 0; tree && i < group->childCount(); ++i) {
        auto *box = qobject_cast<VyrDIDCheckBoxItem *>(
            tree->itemWidget(group->child(i), VyrEdidColumn::Value));
        if (!box)
            continue;
        const QSignalBlocker blocker(box);
        box->setChecked(checked(box->bit()));
    }
}
