#include "userinput.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

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

} // namespace VyrTest
