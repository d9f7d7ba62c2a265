#include "userinput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidgetItem>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include <algorithm>

namespace VyrTest {

void chooseRow(QComboBox *list, int row)
{
    if (row < 0 || row >= list->count())
        return;
    while (list->currentIndex() != row) {
        const int before = list->currentIndex();
        QTest::keyClick(list, before < row ? Qt::Key_Down : Qt::Key_Up);
        if (list->currentIndex() == before)
            return; // a disabled list or row: the keys do nothing, as for a user
    }
}

void clickButton(QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const bool radio = qobject_cast<QRadioButton *>(button) != nullptr;
    const QRect indicator = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, indicator.center());
}

void turnWheel(QWidget *widget, int notches)
{
    QWidget *window = widget->window();
    // The middle of the part that shows: a wide cell may reach past the right edge of its view.
    const QRect shown = widget->visibleRegion().boundingRect();
    const QPoint inWindow =
        widget->mapTo(window, shown.isEmpty() ? widget->rect().center() : shown.center());
    QWidget *target = window->childAt(inWindow);
    if (!target)
        target = window;
    const QPoint local = target->mapFrom(window, inWindow);
    QWheelEvent wheel(QPointF(local), QPointF(window->mapToGlobal(inWindow)), QPoint(),
                      QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    // Spontaneous, as QTest marks its key and mouse events: Qt then treats it as the window
    // system's (focus by the wheel, passing on to the parents).
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::instance()->notify(target, &wheel);
}

void typeAndConfirm(QLineEdit *edit, const QString &text)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QWidget *formField(const QWidget *root, const QString &label)
{
    const QList<QLabel *> labels = root->findChildren<QLabel *>();
    for (const QLabel *candidate : labels) {
        if (candidate->text() == label && candidate->buddy())
            return candidate->buddy();
    }
    return nullptr;
}

QComboBox *listWithRow(const QWidget *root, const QString &text)
{
    const QList<QComboBox *> lists = root->findChildren<QComboBox *>();
    for (QComboBox *list : lists) {
        if (list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0)
            return list;
    }
    return nullptr;
}

QTreeWidgetItem *treeRow(QTreeWidgetItem *root, const QStringList &path)
{
    static const QRegularExpression indexed(QStringLiteral("^(.*)\\[(\\d+)\\]$"));
    QTreeWidgetItem *current = root;
    for (const QString &step : path) {
        if (!current)
            return nullptr;
        QString title = step;
        int wanted = 0;
        const QRegularExpressionMatch match = indexed.match(step);
        if (match.hasMatch()) {
            title = match.captured(1);
            wanted = match.captured(2).toInt();
        }
        QTreeWidgetItem *found = nullptr;
        for (int i = 0, seen = 0; i < current->childCount() && !found; ++i) {
            if (current->child(i)->text(0) == title && seen++ == wanted)
                found = current->child(i);
        }
        current = found;
    }
    return current;
}

QList<int> selectedCells(const QTableWidget *table)
{
    QList<int> cells;
    const QList<QTableWidgetSelectionRange> ranges = table->selectedRanges();
    for (const QTableWidgetSelectionRange &range : ranges) {
        for (int r = range.topRow(); r <= range.bottomRow(); ++r) {
            for (int c = range.leftColumn(); c <= range.rightColumn(); ++c)
                cells << r * table->columnCount() + c;
        }
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

QString cellText(const QTableWidget *table, int index)
{
    const int columns = table->columnCount();
    const QTableWidgetItem *cell =
        columns > 0 ? table->item(index / columns, index % columns) : nullptr;
    return cell ? cell->text() : QString();
}

} // namespace VyrTest
