#include "vyrediditembase.h"

#include "frame/vyredidrows.h"
#include "widgets/vyrnumbertext.h"

#include <QAbstractButton>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLabel>
#include <QtGlobal>

VyrEdidItemBase::VyrEdidItemBase(unsigned char *bytes, int kind)
    : VyrEdidRowObject(kind)
    , m_bytes(bytes)
    , m_kind(kind)
{}

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
    notifyTree();
}

QList<EdidItemLocation> VyrEdidItemBase::highlightedLocations() const
{
    // The root, the DisplayID section items and plain rows highlight nothing.
    if (type() <= VyrEdidItemKind::Root)
        return {};
    return GetItemLocations();
}

QLabel *VyrEdidItemBase::placeLabel(QTreeWidgetItem *row, const QString &text,
                                    const QString &typeTag)
{
    auto *label = new QLabel(text);
    placeWidget(row, VyrEdidColumn::Value, label);
    row->setText(VyrEdidColumn::Type, typeTag);
    return label;
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
