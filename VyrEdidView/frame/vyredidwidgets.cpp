#include "vyredidwidgets.h"

#include <QIcon>

// Outside any namespace, as Q_INIT_RESOURCE requires: the frame is a static library, so its
// resources are registered on first use.
static void initFrameResources()
{
    Q_INIT_RESOURCE(vyredidframe);
}

namespace VyrEdidIcons {

static QIcon icon(const char *path)
{
    static const bool registered = (initFrameResources(), true);
    Q_UNUSED(registered)
    return QIcon(QString::fromLatin1(path));
}

QIcon erase()
{
    return icon(":/icons/Images/erase.ico");
}

QIcon add()
{
    return icon(":/icons/Images/Add.ico");
}

QIcon plus()
{
    return icon(":/icons/Images/plus.ico");
}

} // namespace VyrEdidIcons

VyrEdidToolButton::VyrEdidToolButton(unsigned int index, QWidget *parent)
    : QToolButton(parent)
    , m_index(index)
{
    connect(this, &QToolButton::clicked, this, &VyrEdidToolButton::onClick);
}

void VyrEdidToolButton::onClick()
{
    emit clicked(m_index);
}

EdidAddRemoveToolButton::EdidAddRemoveToolButton(unsigned int index, bool addItem, QWidget *parent)
    : QToolButton(parent)
    , m_index(index)
    , m_addItem(addItem)
{
    setIcon(addItem ? VyrEdidIcons::plus() : VyrEdidIcons::erase());
    connect(this, &QToolButton::clicked, this, &EdidAddRemoveToolButton::onClick);
    setMaximumWidth(40);
}

void EdidAddRemoveToolButton::setAsAdd(bool addItem)
{
    m_addItem = addItem;
    setIcon(addItem ? VyrEdidIcons::plus() : VyrEdidIcons::erase());
}

void EdidAddRemoveToolButton::onClick()
{
    emit clicked(m_index, m_addItem);
}
