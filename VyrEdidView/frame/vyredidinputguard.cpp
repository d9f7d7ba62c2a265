#include "vyredidinputguard.h"

#include "frame/vyredidkinds.h"
#include "vyruiservice.h"
#include "widgets/vyrnumbertext.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QValidator>

#include <algorithm>

namespace {

// A title or label as a name: without an accelerator mark and a closing colon ("HAdressable:"
// names HAdressable). Empty for a text without a letter, such as the "/" between two boxes.
QString nameOf(QString text)
{
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    text = text.trimmed();
    const bool named =
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); });
    return named ? text : QString();
}

// The label beside control in the layout of its parent: its form row's label, or a label just
// before it in a row of controls. Empty when there is none.
QString fieldLabel(QWidget *control)
{
    QWidget *parent = control->parentWidget();
    QLayout *layout = parent ? parent->layout() : nullptr;
    if (!layout)
        return QString();
    if (auto *form = qobject_cast<QFormLayout *>(layout)) {
        auto *label = qobject_cast<QLabel *>(form->labelForField(control));
        return label ? nameOf(label->text()) : QString();
    }
    const int index = layout->indexOf(control);
    QLayoutItem *before = index > 0 ? layout->itemAt(index - 1) : nullptr;
    auto *label = before ? qobject_cast<QLabel *>(before->widget()) : nullptr;
    return label && label->isVisible() ? nameOf(label->text()) : QString();
}

// The row's title; for a control that covers the title column, or a row without a title, the
// parent row's title and the row's number below it ("Blue #3").
QString rowTitle(QTreeWidgetItem *row, int column)
{
    QString title =
        column != VyrEdidColumn::Property ? nameOf(row->text(VyrEdidColumn::Property)) : QString();
    QTreeWidgetItem *parent = row->parent();
    if (title.isEmpty() && parent) {
        title = QStringLiteral("%1 #%2")
                    .arg(nameOf(parent->text(VyrEdidColumn::Property)))
                    .arg(parent->indexOfChild(row));
    }
    return title;
}

// What an input mask takes: "3 letters", "up to 4 hexadecimal digits", or the mask itself.
QString maskText(const QString &mask)
{
    QString shown = mask.section(QLatin1Char(';'), 0, 0);
    shown.remove(QRegularExpression(QStringLiteral("[<>!]")));
    struct Kind
    {
        QChar required;
        QChar optional;
        const char *name;
    };
    static const Kind kinds[] = {
        {QLatin1Char('A'), QLatin1Char('a'), QT_TRANSLATE_NOOP("VyrEdidInputGuard", "letters")},
        {QLatin1Char('H'), QLatin1Char('h'),
         QT_TRANSLATE_NOOP("VyrEdidInputGuard", "hexadecimal digits")},
        {QLatin1Char('9'), QLatin1Char('0'), QT_TRANSLATE_NOOP("VyrEdidInputGuard", "digits")},
        {QLatin1Char('X'), QLatin1Char('x'), QT_TRANSLATE_NOOP("VyrEdidInputGuard", "characters")},
    };
    for (const Kind &kind : kinds) {
        const int required = shown.count(kind.required);
        const int optional = shown.count(kind.optional);
        if (required + optional != shown.size())
            continue;
        const QString name = VyrEdidInputGuard::tr(kind.name);
        return optional == 0 ? QStringLiteral("%1 %2").arg(required).arg(name)
                             : VyrEdidInputGuard::tr("up to %1 %2").arg(shown.size()).arg(name);
    }
    return VyrEdidInputGuard::tr("the form %1").arg(shown);
}

bool isConfirmKey(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

VyrEdidInputGuard::VyrEdidInputGuard(QWidget *control, QLineEdit *edit, QWidget *placed, int column,
                                     const QString &title)
    : QObject(control)
    , m_control(control)
    , m_edit(edit)
    , m_placed(placed)
    , m_column(column)
    , m_rowTitle(title)
    , m_stored(edit->text())
{
    control->installEventFilter(this);
    connect(edit, &QLineEdit::inputRejected, this, &VyrEdidInputGuard::onInputRejected);
}

void VyrEdidInputGuard::watch(QTreeWidgetItem *row, int column, QWidget *widget)
{
    if (!row || !widget)
        return;
    const QString title = rowTitle(row, column);
    QList<QWidget *> controls{widget};
    controls += widget->findChildren<QWidget *>();
    for (QWidget *control : qAsConst(controls)) {
        if (control->findChild<VyrEdidInputGuard *>(QString(), Qt::FindDirectChildrenOnly))
            continue;
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(control)) {
            if (auto *edit = spin->findChild<QLineEdit *>())
                new VyrEdidInputGuard(spin, edit, widget, column, title);
        } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            // A spin box's or a drop-down list's own editor is theirs to keep.
            QWidget *owner = edit->parentWidget();
            if (!qobject_cast<QAbstractSpinBox *>(owner) && !qobject_cast<QComboBox *>(owner))
                new VyrEdidInputGuard(edit, edit, widget, column, title);
        }
    }
}

QString VyrEdidInputGuard::acceptedText(const QWidget *control)
{
    if (auto *whole = qobject_cast<const QSpinBox *>(control))
        return VyrNumberText::rangeText(whole->minimum(), whole->maximum(), 0);
    if (auto *real = qobject_cast<const QDoubleSpinBox *>(control))
        return VyrNumberText::rangeText(real->minimum(), real->maximum(), real->decimals());
    auto *edit = qobject_cast<const QLineEdit *>(control);
    if (!edit)
        return QString();
    if (const QValidator *validator = edit->validator()) {
        const QString numbers = VyrNumberText::acceptedText(validator);
        if (!numbers.isEmpty())
            return numbers;
        const QString own = validator->property(AcceptedProperty).toString();
        if (!own.isEmpty())
            return own;
    }
    if (!edit->inputMask().isEmpty())
        return maskText(edit->inputMask());
    return tr("up to %1 characters").arg(edit->maxLength());
}

QString VyrEdidInputGuard::refusalText(const QString &title, const QString &text,
                                       const QString &accepted)
{
    const QString what = text.isEmpty() ? tr("(empty)") : text;
    return tr("%1 %2 refused: %3").arg(title, what, accepted);
}

QString VyrEdidInputGuard::fieldTitle() const
{
    QString title = m_rowTitle;
    // The placed widget sits in the tree's viewport: the row at its place holds it.
    QWidget *viewport = m_placed ? m_placed->parentWidget() : nullptr;
    auto *tree = viewport ? qobject_cast<QTreeWidget *>(viewport->parentWidget()) : nullptr;
    QTreeWidgetItem *row = tree ? tree->itemAt(m_placed->geometry().center()) : nullptr;
    if (row && tree->itemWidget(row, m_column) == m_placed)
        title = rowTitle(row, m_column);
    const QString label = fieldLabel(m_control);
    if (label.isEmpty())
        return title;
    return title.isEmpty() ? label : QStringLiteral("%1 %2").arg(title, label);
}

bool VyrEdidInputGuard::refused() const
{
    if (!m_edit || !m_edit->isModified() || !m_control->isEnabled() || m_edit->isReadOnly())
        return false;
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(m_control))
        return !spin->hasAcceptableInput();
    if (m_edit->hasAcceptableInput())
        return false;
    // Text the validator can mend (a group separator left out) is the editor's to confirm.
    const QValidator *validator = m_edit->validator();
    if (!validator || !m_edit->inputMask().isEmpty())
        return true;
    QString mended = m_edit->text();
    int position = 0;
    validator->fixup(mended);
    return validator->validate(mended, position) != QValidator::Acceptable;
}

void VyrEdidInputGuard::refuse()
{
    const QString typed = m_edit->text();
    const QString note = refusalText(fieldTitle(), typed, acceptedText(m_control));
    // A spin box puts its value back itself once it reads the text it refuses.
    if (m_control == m_edit) {
        const QSignalBlocker quiet(m_edit);
        m_edit->setText(m_stored);
        m_edit->setModified(m_storedModified);
    } else {
        m_edit->setModified(false);
    }
    VyrUiService::instance()->showStatusMessage(note, NoteMs);
}

void VyrEdidInputGuard::onInputRejected()
{
    if (!m_edit)
        return;
    const bool printable = m_lastKey.size() == 1 && m_lastKey.at(0).isPrint();
    const QString what = printable ? QStringLiteral("'%1'").arg(m_lastKey) : tr("input");
    m_lastKey.clear();
    VyrUiService::instance()->showStatusMessage(
        refusalText(fieldTitle(), what, acceptedText(m_control)), NoteMs);
}

bool VyrEdidInputGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_control || !m_edit)
        return false;
    // A control being destroyed reports losing the focus once its own class is gone (its meta
    // object is a plain widget's by then): nothing of it may be asked.
    const bool whole = m_control == m_edit ? qobject_cast<QLineEdit *>(m_control) != nullptr
                                           : qobject_cast<QAbstractSpinBox *>(m_control) != nullptr;
    if (!whole)
        return false;
    // The text is the stored one while the user has not changed it, and again once a change was
    // confirmed (the owner stored it).
    const auto takeStored = [this]() {
        if (!m_edit->isModified() || m_committed) {
            m_stored = m_edit->text();
            m_storedModified = m_edit->isModified();
            m_committed = false;
        }
    };
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::MouseButtonPress:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::InputMethod:
        takeStored();
        m_lastKey.clear();
        break;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (!isConfirmKey(key)) {
            takeStored();
            m_lastKey = key->text();
            break;
        }
        if (refused()) {
            refuse();
            // The line editor has nothing to confirm now; a spin box reads its text back.
            return m_control == m_edit;
        }
        m_committed = m_edit->isModified();
        break;
    }
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent *>(event)->reason() == Qt::PopupFocusReason)
            break;
        if (refused())
            refuse();
        else if (m_edit->isModified())
            m_committed = true;
        break;
    default:
        break;
    }
    return false;
}
