#include "DiExtBlockWidgets.h"

#include "widgets/vyrnumbertext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// Numbers with at most two decimals in the C locale ("2.50", never "2,50").
QValidator *hundredthsValidator(double top, QObject *parent)
{
    return VyrNumberText::realValidator(0.0, top, 2, parent);
}

QString hundredthsText(float value)
{
    return QString::number(static_cast<double>(value), 'f', 2);
}

} // namespace

DiExtVersionWidget::DiExtVersionWidget(const DiExtVersionWidgetData &values, QWidget *parent)
    : QWidget(parent)
    , m_firstEdit(new QLineEdit(this))
    , m_secondEdit(new QLineEdit(this))
    , m_firstLabel(new QLabel(this))
    , m_secondLabel(new QLabel(this))
    // The version's integer part has six bits, the revision's a byte (VESA DI-EXT, byte 3-6).
    , m_versionValidator(hundredthsValidator(63.99, this))
    , m_revisionValidator(hundredthsValidator(255.99, this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_firstLabel);
    layout->addWidget(m_firstEdit);
    layout->addWidget(m_secondLabel);
    layout->addWidget(m_secondEdit);
    SetWidgetData(values);
    connect(m_firstEdit, &QLineEdit::editingFinished, this,
            [this]() { onFieldFinished(m_firstEdit); });
    connect(m_secondEdit, &QLineEdit::editingFinished, this,
            [this]() { onFieldFinished(m_secondEdit); });
}

void DiExtVersionWidget::SetWidgetType(DiExtVersionWidgetType type)
{
    if (type < DiExtVersionNone || type > DiExtVersionDate)
        return;
    m_type = type;
    // setText() leaves a field unmodified: a field hidden while it had the focus reports nothing.
    m_firstEdit->setText(QString());
    m_secondEdit->setText(QString());
    switch (type) {
    case DiExtVersionNone:
        m_firstLabel->hide();
        m_firstEdit->hide();
        m_secondLabel->hide();
        m_secondEdit->hide();
        break;
    case DiExtVersionNumbers:
        m_firstEdit->setInputMask(QString());
        m_secondEdit->setInputMask(QString());
        m_firstEdit->setValidator(m_versionValidator);
        m_secondEdit->setValidator(m_revisionValidator);
        m_firstEdit->setToolTip(tr("Valid Range 0.0 --> 63.99"));
        m_secondEdit->setToolTip(tr("Valid Range 0.0 --> 255.99"));
        m_firstLabel->setText(tr("Ver."));
        m_secondLabel->setText(tr("Rev."));
        m_firstLabel->show();
        m_firstEdit->show();
        m_secondLabel->show();
        m_secondEdit->show();
        break;
    case DiExtVersionLetter:
    case DiExtVersionDate:
        m_firstEdit->setValidator(nullptr);
        m_firstEdit->setToolTip(QString());
        // One optional character, or a date with optional digits.
        m_firstEdit->setInputMask(type == DiExtVersionLetter ? QStringLiteral("x")
                                                             : QStringLiteral("0000-00-00"));
        m_firstLabel->hide();
        m_secondLabel->hide();
        m_secondEdit->hide();
        m_firstEdit->show();
        break;
    }
    // Empty under the new mask.
    m_firstEdit->setText(QString());
}

void DiExtVersionWidget::SetWidgetData(const DiExtVersionWidgetData &values)
{
    SetWidgetType(values.type);
    switch (m_type) {
    case DiExtVersionNumbers:
        m_firstEdit->setText(hundredthsText(values.version));
        m_secondEdit->setText(hundredthsText(values.revision));
        break;
    case DiExtVersionLetter:
        m_firstEdit->setText(values.letter);
        break;
    case DiExtVersionDate:
        m_firstEdit->setText(values.date.toString(Qt::ISODate));
        break;
    case DiExtVersionNone:
        break;
    }
}

void DiExtVersionWidget::onDataParamsChanged()
{
    DiExtVersionWidgetData values;
    values.type = m_type;
    switch (m_type) {
    case DiExtVersionNumbers:
        // A field left with a number out of range (the validator kept it from being confirmed)
        // must not be stored when the other field is confirmed.
        if (!numberUsable(m_firstEdit) || !numberUsable(m_secondEdit))
            return;
        values.version = m_firstEdit->text().toFloat();
        values.revision = m_secondEdit->text().toFloat();
        break;
    case DiExtVersionLetter:
        values.letter = m_firstEdit->text();
        break;
    case DiExtVersionDate:
        values.date = QDate::fromString(m_firstEdit->text(), Qt::ISODate);
        break;
    case DiExtVersionNone:
        break;
    }
    emit editFinished(values);
}

void DiExtVersionWidget::onFieldFinished(QLineEdit *field)
{
    // Qt also reports a field that only had the focus; only a changed text is an entry.
    if (!field->isModified())
        return;
    field->setModified(false);
    onDataParamsChanged();
}

bool DiExtVersionWidget::numberUsable(const QLineEdit *field) const
{
    return field->text().isEmpty() || field->hasAcceptableInput();
}

DiExtLineEditWidget::DiExtLineEditWidget(int index, QWidget *parent)
    : QLineEdit(parent)
    , m_index(index)
{
    connect(this, &QLineEdit::editingFinished, this, &DiExtLineEditWidget::onDataParamsChanged);
}

void DiExtLineEditWidget::onDataParamsChanged()
{
    // Qt also reports an editor that only had the focus; only a changed text is an entry.
    if (!isModified())
        return;
    setModified(false);
    emit editFinished(m_index, text());
}
