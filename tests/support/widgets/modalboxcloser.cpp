#include "modalboxcloser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QPushButton>

namespace VyrTest {

ModalBoxCloser::ModalBoxCloser(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalBoxCloser::poll);
    m_timer.start();
}

ModalBoxCloser::~ModalBoxCloser()
{
    stop();
}

void ModalBoxCloser::stop()
{
    m_timer.stop();
}

void ModalBoxCloser::poll()
{
    QWidget *box = QApplication::activeModalWidget();
    if (!box) {
        // A box that is shown but not yet active (offscreen platforms activate late).
        const QWidgetList widgets = QApplication::topLevelWidgets();
        for (QWidget *widget : widgets) {
            if (widget->isVisible() && widget->isModal()) {
                box = widget;
                break;
            }
        }
    }
    if (box)
        closeBox(box);
}

void ModalBoxCloser::closeBox(QWidget *box)
{
    // Closing happens once per box: the handler may open another modal box, which
    // the next poll finds.
    if (box->property("vyrTestModalBoxSeen").toBool())
        return;
    box->setProperty("vyrTestModalBoxSeen", true);

    ModalBox record;
    record.className = QString::fromLatin1(box->metaObject()->className());
    record.title = box->windowTitle();
    QPointer<QWidget> guard(box);
    if (auto *messageBox = qobject_cast<QMessageBox *>(box)) {
        record.text = messageBox->text();
        record.informativeText = messageBox->informativeText();
        m_boxes.append(record);
        if (m_handler)
            m_handler(messageBox);
        if (!guard || !guard->isVisible())
            return;
        QAbstractButton *button = nullptr;
        if (m_button != QMessageBox::NoButton)
            button = messageBox->button(m_button);
        if (!button)
            button = messageBox->escapeButton();
        if (!button)
            button = messageBox->defaultButton();
        if (!button && !messageBox->buttons().isEmpty())
            button = messageBox->buttons().constFirst();
        if (button)
            button->click();
        else
            messageBox->done(0);
        return;
    }
    m_boxes.append(record);
    if (m_handler)
        m_handler(box);
    if (!guard || !guard->isVisible())
        return;
    if (auto *dialog = qobject_cast<QDialog *>(box)) {
        if (m_acceptDialogs)
            dialog->accept();
        else
            dialog->reject();
    } else {
        box->close();
    }
}

} // namespace VyrTest
