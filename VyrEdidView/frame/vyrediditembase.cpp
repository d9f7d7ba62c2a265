#include "vyrediditembase.h"

#include "frame/vyredidinfotree.h"
#include "frame/vyredidinputguard.h"
#include "frame/vyredidrows.h"
#include "widgets/vyrnumbertext.h"

#include <QAbstractButton>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLabel>
#include <QtGlobal>

VyrEdidItemBase::VyrEdidItemBase(unsigned char *bytes, int kind)
    : QObject(nullptr)
    , QTreeWidgetItem(kind)
    , m_bytes(bytes)
    , m_kind(kind)
{}

VyrEdidItemBase::~VyrEdidItemBase()
{
    // The tree item part is destroyed next: it takes the row and its children out of the view,
    // which hides their widgets, and a focused editor would then report into this item. Detach
    // the subtree first and cut the connections made to the item.
    VyrEdidRows::detach(this);
    for (const QMetaObject::Connection &connection : qAsConst(m_connections))
        QObject::disconnect(connection);
}

bool VyrEdidItemBase::InitItems()
{
    return false;
}

unsigned int VyrEdidItemBase::GetNumberOfExtentions()
{
    return 0;
}

void VyrEdidItemBase::SetNumberOfExtentions(unsigned int count)
{
    Q_UNUSED(count)
}

int VyrEdidItemBase::GetSubItemType() const
{
    return m_kind;
}

unsigned int VyrEdidItemBase::GetBlockSize() const
{
    return 0;
}

void VyrEdidItemBase::NotifyAtDataChanged()
{
    if (auto *tree = qobject_cast<VyrEdidInfoTree *>(treeWidget()))
        tree->notifyEdidDataChanged();
}

void VyrEdidItemBase::placeWidget(QTreeWidgetItem *row, int column, QWidget *widget)
{
    QTreeWidget *tree = row ? row->treeWidget() : nullptr;
    if (!tree) {
        // Rows are built only after their item is in the tree; without one nobody would own
        // the widget.
        qWarning("VyrEdidItemBase: a widget for a row that is not in a tree is discarded");
        widget->deleteLater();
        return;
    }
    tree->setItemWidget(row, column, widget);
    VyrEdidInputGuard::watch(row, column, widget);
}

QLabel *VyrEdidItemBase::placeLabel(QTreeWidgetItem *row, const QString &text,
                                    const QString &typeTag)
{
    auto *label = new QLabel(text);
    placeWidget(row, VyrEdidColumn::Value, label);
    row->setText(VyrEdidColumn::Type, typeTag);
    return label;
}

QValidator *VyrEdidItemBase::intValidator(int minimum, int maximum, QObject *parent)
{
    return VyrNumberText::wholeValidator(minimum, maximum, parent);
}

QValidator *VyrEdidItemBase::doubleValidator(double minimum, double maximum, int decimals,
                                             QObject *parent)
{
    return VyrNumberText::realValidator(minimum, maximum, decimals, parent);
}

void VyrEdidItemBase::showNumberAsStored(QLineEdit *edit)
{
    const QValidator *validator = edit->validator();
    if (qobject_cast<const QIntValidator *>(validator)) {
        qlonglong value = 0;
        if (VyrNumberText::readWhole(edit->text(), &value))
            edit->setText(QString::number(value));
    } else if (auto *real = qobject_cast<const QDoubleValidator *>(validator)) {
        double value = 0;
        if (VyrNumberText::readReal(edit->text(), &value))
            edit->setText(QString::number(value, 'f', real->decimals()));
    }
}

void VyrEdidItemBase::setEditorText(QLineEdit *edit, const QString &text)
{
    const QSignalBlocker blocker(edit);
    edit->setText(text);
    edit->setModified(false);
}

void VyrEdidItemBase::refillComboBox(QComboBox *combo, const QStringList &entries, int current)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(entries);
    combo->setCurrentIndex(current);
}

void VyrEdidItemBase::refillComboBox(QComboBox *combo, const QStringList &entries,
                                     ComboRows::Shown current)
{
    refillComboBox(combo, entries, -1);
    ComboRows::show(combo, current);
}

void VyrEdidItemBase::setCheckedQuietly(QAbstractButton *button, bool checked)
{
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}

qulonglong VyrEdidItemBase::nextRelayToken()
{
    static qulonglong last = 0;
    return ++last;
}

void VyrEdidItemBase::commitPendingEdit() const
{
    VyrEdidRows::commitPendingEdit(treeWidget());
}

void VyrEdidItemBase::removeChildRows(int first)
{
    VyrEdidRows::removeChildren(this, first);
}

void VyrEdidItemBase::removeChildRow(int index)
{
    VyrEdidRows::removeChild(this, index);
}
