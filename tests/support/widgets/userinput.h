#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QTableWidget;
class QTreeWidgetItem;
class QWidget;

namespace VyrTest {

// Input as a user gives it, through key and mouse events, so validators, editingFinished and
// the activated/toggled signals behave as in the running program.

// Moves a closed drop-down list to row with the arrow keys. Each step is a user choice: it
// reports activated and currentIndexChanged.
void chooseRow(QComboBox *list, int row);

// Clicks a check box or radio button on its indicator.
void clickButton(QAbstractButton *button);

// Turns the mouse wheel by notches over the middle of what shows of widget (negative: towards the
// user, which scrolls down). The event reaches the innermost widget under the pointer as one from
// the window system does: Qt gives the focus to a widget that takes it by the wheel, and passes the
// event on to the parents while no widget takes it. widget must be shown in an active window.
void turnWheel(QWidget *widget, int notches);

// Selects the whole text of edit, types text over it (the validator refuses what it refuses)
// and confirms with Return.
void typeAndConfirm(QLineEdit *edit, const QString &text);

// The field that a form row of root shows beside the label text (a QFormLayout row added with
// a text); null when there is none.
QWidget *formField(const QWidget *root, const QString &label);

// The drop-down list below root that has a row with text; null when there is none.
QComboBox *listWithRow(const QWidget *root, const QString &text);

// The row below root reached by its path of column-0 titles ({} is root itself). A title that
// ends in "[n]" takes the n-th (from 0) of the siblings with that title: {"CEA Extention[1]"}.
// Null when a step is missing.
QTreeWidgetItem *treeRow(QTreeWidgetItem *root, const QStringList &path);

// The selected cells of table as cell numbers (row * columns + column), sorted.
QList<int> selectedCells(const QTableWidget *table);
// The text of cell number index (row * columns + column); empty for a cell without an item.
QString cellText(const QTableWidget *table, int index);

} // namespace VyrTest
