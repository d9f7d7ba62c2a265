#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QAbstractSpinBox;
class QEvent;
class QLineEdit;
class QTreeWidgetItem;
class QWidget;

// The one refusal path of the EDID tree's editors. Every line editor placed into a row (on its
// own or inside the row's widget, the frame's, the DisplayID cells', the edit widgets') is
// watched by a guard, so no editor keeps a value the image does not hold once its editing ended:
// - Return, Enter or the focus leaving with text the editor refuses (a number out of range, a
//   mask not filled) puts back the text the editor held before the user typed (the stored
//   value), and nothing is written;
// - a key the editor refuses on the spot (a letter in a number, a character a text field does
//   not hold) leaves the text as it was;
// and either refusal is said in the main window's status bar (VyrUiService::showStatusMessage)
// for a few seconds: the field by its row title, what was refused and what is accepted, as in
// "YearIfManuf 1985 refused: 1990-2245". A spin box puts back its value itself; its guard
// says why.
//
// What an editor accepts comes from its validator (VyrNumberText::acceptedText), its input mask,
// or the text the validator carries in the property AcceptedProperty.
class VyrEdidInputGuard : public QObject
{
    Q_OBJECT

public:
    // The property of a validator that says what it accepts, for one that is not of numbers.
    static constexpr const char *AcceptedProperty = "vyrAccepted";
    // How long a refusal note stays in the status bar.
    static constexpr int NoteMs = 5000;

    // Guards every line editor and spin box of widget (widget included), which is placed in
    // column of row. A control is guarded once, however often it is placed.
    static void watch(QTreeWidgetItem *row, int column, QWidget *widget);

    // What a line editor or spin box accepts, as the notes say it.
    static QString acceptedText(const QWidget *control);
    // The note for text refused by the field title.
    static QString refusalText(const QString &title, const QString &text, const QString &accepted);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    VyrEdidInputGuard(QWidget *control, QLineEdit *edit, QWidget *placed, int column,
                      const QString &title);

    // The field as the notes name it: the title of the row that holds it now (an item may title
    // its row after placing the widget), and the label beside the control in its row's widget
    // when there is one ("Width").
    QString fieldTitle() const;
    bool refused() const;
    // Puts the stored text back and says why.
    void refuse();
    void onInputRejected();

    QWidget *m_control;         // the watched control: edit, or the spin box holding it
    QPointer<QLineEdit> m_edit; // the editor (a spin box's own line editor)
    QPointer<QWidget> m_placed; // the widget placed into the row, m_control or one holding it
    int m_column;
    QString m_rowTitle; // the row's title when the widget was placed
    QString m_stored;   // the text before the user typed
    // The editor was modified with m_stored: the owner took a confirmed text without filling
    // the editor again (it may even hold it back, as a standard timing does with a width that
    // is no multiple of 8), and the editor goes back to that state.
    bool m_storedModified = false;
    bool m_committed = false; // the last text was confirmed: it is the stored one now
    QString m_lastKey;        // the text of the key being handled
};
