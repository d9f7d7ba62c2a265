#include "edidtreeharness.h"

#include "frame/vyredidinfotree.h"
#include "frame/vyrediditembase.h"
#include "frame/vyredidmainitem.h"
#include "frame/vyredidviewform.h"
#include "frame/vyrhexviewtable.h"
#include "items/displayid/vyrdidtreewidgetitem.h"
#include "userinput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace VyrTest {

namespace {

class HarnessForm : public VyrEdidViewForm
{
public:
    explicit HarnessForm(TreeHarness::RootFactory factory)
        : m_factory(std::move(factory))
    {}

protected:
    VyrEdidMainItem *createRootItem(unsigned char *image) override
    {
        return m_factory ? m_factory(image) : VyrEdidViewForm::createRootItem(image);
    }

private:
    TreeHarness::RootFactory m_factory;
};

template <typename W> W *widgetOfType(QWidget *widget)
{
    if (!widget)
        return nullptr;
    if (auto *direct = qobject_cast<W *>(widget))
        return direct;
    return widget->findChild<W *>();
}

bool fail(const QStringList &path, const char *what)
{
    qWarning("TreeHarness: %s at {%s}", what, qPrintable(path.join(QStringLiteral(", "))));
    return false;
}

} // namespace

TreeHarness::TreeHarness(const QByteArray &image, RootFactory rootFactory)
    : m_image(image.left(512))
    , m_form(std::make_unique<HarnessForm>(std::move(rootFactory)))
{
    m_image.append(QByteArray(512 - m_image.size(), '\0'));
    m_original = QByteArray(m_image.constData(), m_image.size());
    // Shown and active, so that editors take the focus as they do for a user, but never drawn:
    // painting every row and hex cell would be most of what a harness costs.
    m_form->setUpdatesEnabled(false);
    m_form->resize(1200, 900);
    m_form->show();
    QApplication::setActiveWindow(m_form.get());
    if (!QTest::qWaitForWindowActive(m_form.get()))
        qWarning("TreeHarness: the form's window did not become active");
    rebuild();
}

TreeHarness::~TreeHarness()
{
    m_form.reset();
    settle();
}

VyrEdidViewForm *TreeHarness::form() const
{
    return m_form.get();
}

VyrEdidInfoTree *TreeHarness::tree() const
{
    return m_form->tree();
}

VyrEdidMainItem *TreeHarness::root() const
{
    return m_form->rootItem();
}

VyrHexViewTable *TreeHarness::hexView() const
{
    return m_form->hexView();
}

QByteArray TreeHarness::image() const
{
    return QByteArray(m_image.constData(), m_image.size());
}

unsigned char *TreeHarness::data()
{
    return reinterpret_cast<unsigned char *>(m_image.data());
}

void TreeHarness::rebuild()
{
    m_form->SetEdid(data());
    tree()->expandAll();
    settle();
}

QTreeWidgetItem *TreeHarness::row(const QStringList &path) const
{
    return treeRow(root(), path);
}

QWidget *TreeHarness::widget(const QStringList &path, int column) const
{
    QTreeWidgetItem *item = row(path);
    return item ? tree()->itemWidget(item, column) : nullptr;
}

QWidget *TreeHarness::shownWidget(const QStringList &path, int column) const
{
    return visibleWidget(path, column);
}

QString TreeHarness::valueText(const QStringList &path) const
{
    QWidget *value = widget(path, VyrEdidColumn::Value);
    if (auto *edit = qobject_cast<QLineEdit *>(value))
        return edit->text();
    if (auto *label = qobject_cast<QLabel *>(value))
        return label->text();
    if (auto *combo = qobject_cast<QComboBox *>(value))
        return combo->currentText();
    QTreeWidgetItem *item = row(path);
    return item ? item->text(VyrEdidColumn::Value) : QString();
}

QStringList TreeHarness::childTitles(const QStringList &path) const
{
    QStringList titles;
    if (QTreeWidgetItem *item = row(path)) {
        for (int i = 0; i < item->childCount(); ++i)
            titles << item->child(i)->text(VyrEdidColumn::Property);
    }
    return titles;
}

QList<EdidItemLocation> TreeHarness::locations(const QStringList &path) const
{
    if (auto *item = dynamic_cast<VyrEdidItemBase *>(row(path)))
        return item->GetItemLocations();
    // DisplayID rows: every range of the row.
    if (auto *item = dynamic_cast<VyrDIDTreeWidgetItem *>(row(path)))
        return item->GetItemLocations(false);
    return {};
}

QStringList TreeHarness::pathOf(const QTreeWidgetItem *item) const
{
    QStringList path;
    while (item && item != root()) {
        const QTreeWidgetItem *parent = item->parent();
        if (!parent)
            break;
        const QString title = item->text(VyrEdidColumn::Property);
        int before = 0;
        for (int i = 0; i < parent->indexOfChild(const_cast<QTreeWidgetItem *>(item)); ++i) {
            if (parent->child(i)->text(VyrEdidColumn::Property) == title)
                ++before;
        }
        path.prepend(before == 0 ? title : QStringLiteral("%1[%2]").arg(title).arg(before));
        item = parent;
    }
    return path;
}

namespace {

// What widget and the widgets shown inside it show, in creation order.
QString shownText(const QWidget *widget, const std::function<bool(const QWidget *)> &skip)
{
    QStringList parts;
    QList<const QWidget *> widgets{widget};
    for (const QWidget *child : widget->findChildren<QWidget *>())
        widgets << child;
    for (const QWidget *w : widgets) {
        // A control on a page of a stacked widget that is not shown is not what the row shows.
        if (w != widget && !w->isVisibleTo(widget))
            continue;
        if (skip && skip(w)) {
            parts << QStringLiteral("<skipped>");
        } else if (auto *edit = qobject_cast<const QLineEdit *>(w)) {
            // A drop-down list's own editor shows what the list shows.
            if (!qobject_cast<const QComboBox *>(w->parentWidget()))
                parts << QStringLiteral("edit '%1'").arg(edit->text());
        } else if (auto *label = qobject_cast<const QLabel *>(w)) {
            parts << QStringLiteral("label '%1'").arg(label->text());
        } else if (auto *combo = qobject_cast<const QComboBox *>(w)) {
            parts << QStringLiteral("list '%1'").arg(combo->currentText());
        } else if (auto *button = qobject_cast<const QAbstractButton *>(w)) {
            if (button->isCheckable())
                parts << QStringLiteral("box %1").arg(button->isChecked() ? 1 : 0);
        }
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

QStringList TreeHarness::shownRows(const std::function<bool(const QWidget *)> &skip) const
{
    QStringList rows;
    std::function<void(const QTreeWidgetItem *)> walk = [&](const QTreeWidgetItem *item) {
        QStringList columns;
        for (int c = 0; c < VyrEdidColumn::Count; ++c) {
            QString column = item->text(c);
            const QVariant check = item->data(c, Qt::CheckStateRole);
            if (check.isValid())
                column += QStringLiteral(" [check %1]").arg(check.toInt());
            if (QWidget *w = tree()->itemWidget(const_cast<QTreeWidgetItem *>(item), c))
                column += QStringLiteral(" {%1}").arg(shownText(w, skip));
            columns << column;
        }
        rows << pathOf(item).join(QLatin1Char('/')) + QStringLiteral(": ")
                    + columns.join(QStringLiteral(" | "));
        for (int i = 0; i < item->childCount(); ++i)
            walk(item->child(i));
    };
    if (root())
        walk(root());
    return rows;
}

QWidget *TreeHarness::visibleWidget(const QStringList &path, int column) const
{
    QTreeWidgetItem *item = row(path);
    if (!item)
        return nullptr;
    tree()->scrollToItem(item);
    // Item widgets are shown or hidden with the layout that follows a scroll.
    QApplication::processEvents();
    return tree()->itemWidget(item, column);
}

bool TreeHarness::type(const QStringList &path, const QString &text, Leave leave)
{
    auto *edit = widgetOfType<QLineEdit>(visibleWidget(path, VyrEdidColumn::Value));
    if (!edit)
        return fail(path, "no line editor");
    edit->setFocus(Qt::MouseFocusReason);
    if (!edit->hasFocus())
        return fail(path, "the line editor does not take the focus");
    if (leave == Leave::Enter) {
        typeAndConfirm(edit, text);
        return true;
    }
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    if (leave == Leave::FocusOut)
        tree()->setFocus(Qt::MouseFocusReason);
    return true;
}

bool TreeHarness::tick(const QStringList &path, bool checked)
{
    QTreeWidgetItem *item = row(path);
    if (!item)
        return fail(path, "no row");
    auto *box = widgetOfType<QCheckBox>(visibleWidget(path, VyrEdidColumn::Value));
    if (!box) {
        int column = VyrEdidColumn::Property;
        if (item->data(VyrEdidColumn::Value, Qt::CheckStateRole).isValid()) {
            column = VyrEdidColumn::Value;
        } else {
            for (int c = 0; c < VyrEdidColumn::Count; ++c) {
                if (item->data(c, Qt::CheckStateRole).isValid()) {
                    column = c;
                    break;
                }
            }
        }
        item->setCheckState(column, checked ? Qt::Checked : Qt::Unchecked);
        return true;
    }
    if (box->isChecked() != checked)
        clickButton(box);
    return box->isChecked() == checked || fail(path, "the check box did not change");
}

bool TreeHarness::choose(const QStringList &path, const QString &entry)
{
    auto *combo = widgetOfType<QComboBox>(visibleWidget(path, VyrEdidColumn::Value));
    if (!combo)
        return fail(path, "no drop-down list");
    const int wanted = combo->findText(entry);
    if (wanted < 0)
        return fail(path, "no such entry");
    chooseRow(combo, wanted);
    return combo->currentIndex() == wanted || fail(path, "the entry cannot be chosen");
}

bool TreeHarness::click(const QStringList &path, int column)
{
    auto *button = widgetOfType<QAbstractButton>(visibleWidget(path, column));
    if (!button)
        return fail(path, "no button");
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

bool TreeHarness::select(const QStringList &path)
{
    QTreeWidgetItem *item = row(path);
    if (!item)
        return fail(path, "no row");
    tree()->setCurrentItem(item);
    return true;
}

void TreeHarness::settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

QList<int> TreeHarness::highlightedBytes() const
{
    return selectedCells(hexView());
}

QString TreeHarness::hexCell(int offset) const
{
    return cellText(hexView(), offset);
}

} // namespace VyrTest
