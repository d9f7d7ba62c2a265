#include "vyrdidtreewidgetitem.h"

#include "items/displayid/imultiedit.h"
#include "items/displayid/vyrdualeditbase.h"
#include "widgets/vyrnumbertext.h"

#include <QIntValidator>
#include <QLineEdit>
#include <QTreeWidget>
#include <QWidget>

#include <limits>

VyrDIDTreeWidgetItem::VyrDIDTreeWidgetItem(QTreeWidgetItem *parent)
    : VyrEdidRowObject(VyrEdidItemKind::DisplayIdRow, parent)
{}

void VyrDIDTreeWidgetItem::SetLocation(const EdidItemLocation &location)
{
    m_locations = {location};
}

void VyrDIDTreeWidgetItem::setLocations(const QList<EdidItemLocation> &locations)
{
    m_locations = locations;
}

QList<EdidItemLocation> VyrDIDTreeWidgetItem::GetItemLocations(bool focusedOnly) const
{
    QTreeWidget *tree = treeWidget();
    if (focusedOnly && tree) {
        auto *cell = qobject_cast<IMultiEdit *>(
            tree->itemWidget(const_cast<VyrDIDTreeWidgetItem *>(this), VyrEdidColumn::Value));
        if (cell) {
            const int focused = cell->GetFocusedCtrlIdx();
            if (focused >= 0 && focused < m_locations.size())
                return {m_locations.at(focused)};
        }
    }
    return m_locations;
}

void VyrDIDTreeWidgetItem::NotifyAtDataChanged()
{
    notifyTree();
}

QList<EdidItemLocation> VyrDIDTreeWidgetItem::highlightedLocations() const
{
    return GetItemLocations(true);
}

void VyrDIDTreeWidgetItem::onFocusChanged(bool in)
{
    Q_UNUSED(in)
    QTreeWidget *tree = treeWidget();
    if (!tree || isDetached())
        return;
    tree->setCurrentItem(nullptr);
    tree->setCurrentItem(this);
}

void VyrDIDTreeWidgetItem::showStored(QObject *cell, const QString &name, const QString &text)
{
    auto *line = qobject_cast<QLineEdit *>(cell);
    if (text.isNull()) {
        // A whole number is stored as typed, and shown as a fresh tree shows it: "+012" as 12.
        qlonglong value = 0;
        if (line && qobject_cast<const QIntValidator *>(line->validator())
            && line->hasAcceptableInput() && VyrNumberText::readWhole(line->text(), &value)) {
            const QString number = QString::number(value);
            if (line->text() != number)
                line->setText(number);
        }
        return;
    }
    if (line) {
        if (line->text() != text)
            line->setText(text);
    } else if (auto *pair = qobject_cast<VyrDualEditBase *>(cell)) {
        pair->showStored(name, text);
    }
}

bool VyrDIDTreeWidgetItem::wholeValue(const QVariant &value, quint32 *number)
{
    qlonglong whole = 0;
    switch (value.userType()) {
    case QMetaType::QString:
        if (!VyrNumberText::readWhole(value.toString(), &whole))
            return false;
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        whole = value.toLongLong();
        break;
    default:
        return false;
    }
    if (whole < 0 || whole > qlonglong(std::numeric_limits<quint32>::max()))
        return false;
    *number = quint32(whole);
    return true;
}

bool VyrDIDTreeWidgetItem::realValue(const QVariant &value, double *number)
{
    switch (value.userType()) {
    case QMetaType::QString:
        return VyrNumberText::readReal(value.toString(), number);
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        *number = value.toDouble();
        return true;
    default:
        return false;
    }
}

QString VyrDIDTreeWidgetItem::storedText(const QString &) const
{
    return QString();
}
