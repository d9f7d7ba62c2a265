#include "vyredidaddblockdialog.h"

#include "ui_vyredidaddblockdialog.h"

VyrEdidAddBlockDialog::VyrEdidAddBlockDialog(const QStringList &names, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::VyrEdidAddBlockDialog)
{
    // The form connects OK and Cancel and ties the list's current-row signal to the slot by
    // name; filling the list then passes each change of its current row through the slot.
    m_ui->setupUi(this);
    m_ui->comboBlockList->addItems(names);
    m_ui->comboBlockList->setCurrentIndex(0);
    m_chosenName = m_ui->comboBlockList->currentText();
    m_chosenRow = 0;
}

VyrEdidAddBlockDialog::~VyrEdidAddBlockDialog()
{
    delete m_ui;
}

void VyrEdidAddBlockDialog::on_comboBlockList_currentIndexChanged(const QString &text)
{
    m_chosenName = text;
    m_chosenRow = m_ui->comboBlockList->currentIndex();
}
