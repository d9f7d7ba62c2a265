#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QDialog;
class QWidget;

namespace VyrTest {

// What a modal box showed when it was closed.
struct ModalBox
{
    QString className; // for example "QMessageBox" or the dialog's own class
    QString title;
    QString text; // message boxes only
    QString informativeText;
};

// Watches for modal boxes while a test drives the code under test, records their
// title and text and closes them. Message boxes are closed through the button
// chosen with setButton() (default: their escape or default button); other dialogs
// are rejected, or accepted after setAcceptDialogs(true). A handler set with
// setHandler() can work with a dialog first; it runs once per dialog.
//
//     VyrTest::ModalBoxCloser closer;
//     window.about();                        // runs its own modal loop
//     QCOMPARE(closer.boxes().size(), 1);
class ModalBoxCloser : public QObject
{
    Q_OBJECT

public:
    explicit ModalBoxCloser(QObject *parent = nullptr);
    ~ModalBoxCloser() override;

    void setButton(QMessageBox::StandardButton button) { m_button = button; }
    void setAcceptDialogs(bool accept) { m_acceptDialogs = accept; }
    void setHandler(std::function<void(QWidget *)> handler) { m_handler = std::move(handler); }

    const QList<ModalBox> &boxes() const { return m_boxes; }
    ModalBox last() const { return m_boxes.isEmpty() ? ModalBox() : m_boxes.last(); }
    void clear() { m_boxes.clear(); }

    // Stops watching (the destructor does it too).
    void stop();

private:
    void poll();
    void closeBox(QWidget *box);

    QTimer m_timer;
    QList<ModalBox> m_boxes;
    QMessageBox::StandardButton m_button = QMessageBox::NoButton;
    bool m_acceptDialogs = false;
    std::function<void(QWidget *)> m_handler;
};

} // namespace VyrTest
