#pragma once

#include <QToolButton>

// A tool button that carries a block number and reports it when clicked. The root item puts one
// per block into its rows. Like every tool button it takes no keyboard focus on a click.
class VyrEdidToolButton : public QToolButton
{
    Q_OBJECT

public:
    explicit VyrEdidToolButton(unsigned int index, QWidget *parent = nullptr);

    unsigned int index() const { return m_index; }

signals:
    void clicked(unsigned int index);

private slots:
    void onClick();

private:
    unsigned int m_index;
};

// A tool button that carries an entry number and an add or remove role, shows a plus or an
// erase icon and reports both when clicked. List items put it into the "Action" column.
class EdidAddRemoveToolButton : public QToolButton
{
    Q_OBJECT

public:
    EdidAddRemoveToolButton(unsigned int index, bool addItem, QWidget *parent = nullptr);

    unsigned int index() const { return m_index; }
    bool isAdd() const { return m_addItem; }
    // Switches the role and the icon.
    void setAsAdd(bool addItem);

signals:
    void clicked(unsigned int index, bool addItem);

private slots:
    void onClick();

private:
    unsigned int m_index;
    bool m_addItem;
};

// The icons of the EDID view's buttons (resources of the frame library).
namespace VyrEdidIcons {
QIcon erase();
QIcon add();  // the add-block icon of DisplayID rows
QIcon plus(); // the add role of EdidAddRemoveToolButton
} // namespace VyrEdidIcons
