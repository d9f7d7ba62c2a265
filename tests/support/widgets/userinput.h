#pragma once

#include <QString>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QWidget;

namespace VyrTest {

// Input as a user gives it, through key and mouse events, so validators, editingFinished and
// the activated/toggled signals behave as in the running program.

// Moves a closed drop-down list to row with the arrow keys. Each step is a user choice: it
// reports activated and currentIndexChanged.
void chooseRow(QComboBox *list, int row);

// Clicks a check box or radio button on its indicator.
void clickButton(QAbstractButton *button);

// Selects the whole text of edit, types text over it (the validator refuses what it refuses)
// and confirms with Return.
void typeAndConfirm(QLineEdit *edit, const QString &text);

// The field that a form row of root shows beside the label text (a QFormLayout row added with
// a text); null when there is none.
QWidget *formField(const QWidget *root, const QString &label);

// The drop-down list below root that has a row with text; null when there is none.
QComboBox *listWithRow(const QWidget *root, const QString &text);

} // namespace VyrTest
