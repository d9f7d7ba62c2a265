#include "ceablockwidgets.h"

#include "widgets/comborows.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>

namespace {

// The children side by side, without margins, as wide as the value column allows.
void layOut(QWidget *owner, std::initializer_list<QWidget *> children)
{
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *child : children)
        layout->addWidget(child);
    owner->setLayout(layout);
}

} // namespace

CeaAudioVideoWidget::CeaAudioVideoWidget(QWidget *parent)
    : QWidget(parent)
    , m_combo(new QComboBox)
    , m_edit(new QLineEdit)
{
    layOut(this, {m_combo, m_edit});
    connect(m_combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CeaAudioVideoWidget::onSetDataParams);
    connect(m_edit, &QLineEdit::editingFinished, this, &CeaAudioVideoWidget::onSetDataParams);
}

void CeaAudioVideoWidget::onSetDataParams()
{
    emit editFinished();
}

CeaExt3dWidget::CeaExt3dWidget(unsigned int index, QWidget *parent)
    : QWidget(parent)
    , m_mode(new QComboBox)
    , m_option(new QComboBox)
    , m_edit(new QLineEdit)
    , m_index(index)
{
    layOut(this, {m_mode, m_option, m_edit});
    connect(m_mode, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CeaExt3dWidget::onComboMode);
    connect(m_option, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CeaExt3dWidget::onComboOption);
    connect(m_edit, &QLineEdit::editingFinished, this, &CeaExt3dWidget::onSetValue);
}

void CeaExt3dWidget::onComboMode(int selection)
{
    if (!ComboRows::isUnknown(m_mode, selection))
        emit modeChanged(m_index, selection);
}

void CeaExt3dWidget::onComboOption(int selection)
{
    if (!ComboRows::isUnknown(m_option, selection))
        emit optionChanged(m_index, selection);
}

void CeaExt3dWidget::onSetValue()
{
    emit valueChanged(m_index, m_edit->text());
}
