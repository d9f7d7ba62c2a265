#include "vyrhexviewtable.h"

#include <QRegExp>
#include <QRegExpValidator>
#include <QString>
#include <QVector>

static QString hexText(unsigned int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

// The cell text of a byte; the 256 texts are made once (a refill runs after every edit).
static const QString &hexByte(unsigned char value)
{
    static const QVector<QString> texts = [] {
        QVector<QString> all;
        for (unsigned int i = 0; i < 256; ++i)
            all.append(hexText(i));
        return all;
    }();
    return texts.at(value);
}

VyrHexViewTable::VyrHexViewTable(QWidget *parent)
    : QTableWidget(parent)
    , m_validator(new QRegExpValidator(
          QRegExp(QStringLiteral("[0-9A-Fa-f]{1,2}"), Qt::CaseSensitive), this))
{
    setColumnCount(16);
    setRowCount(8);
    auto *prototype = new QTableWidgetItem;
    prototype->setTextAlignment(Qt::AlignCenter);
    prototype->setFlags(prototype->flags() | Qt::ItemIsEditable);
    setItemPrototype(prototype);
    connectCells();
}

void VyrHexViewTable::connectCells()
{
    connect(this, &QTableWidget::itemChanged, this, &VyrHexViewTable::onItemChanged);
    connect(this, &QTableWidget::cellChanged, this, &VyrHexViewTable::onCellChanged);
}

void VyrHexViewTable::disconnectCells()
{
    disconnect(this, &QTableWidget::itemChanged, this, &VyrHexViewTable::onItemChanged);
    disconnect(this, &QTableWidget::cellChanged, this, &VyrHexViewTable::onCellChanged);
}

void VyrHexViewTable::setColumnCount(int columns)
{
    QTableWidget::setColumnCount(columns);
    QStringList labels;
    for (int i = 0; i < columns; ++i)
        labels << hexText(static_cast<unsigned int>(i));
    setHorizontalHeaderLabels(labels);
}

void VyrHexViewTable::setRowCount(int rows)
{
    QTableWidget::setRowCount(rows);
    QStringList labels;
    for (int r = 0; r < rows; ++r)
        labels << hexText(static_cast<unsigned int>(r * columnCount()));
    setVerticalHeaderLabels(labels);
}

void VyrHexViewTable::setBuffer(unsigned short size, const unsigned char *bytes)
{
    disconnectCells();
    const int columns = columnCount();
    const int rows = (size + columns - 1) / columns;
    if (rows != rowCount())
        setRowCount(rows);
    for (int i = 0; i < size; ++i) {
        const QString &text = hexByte(bytes ? bytes[i] : 0u);
        QTableWidgetItem *cell = item(i / columns, i % columns);
        if (cell) {
            // An edit refreshes the whole view: only changed cells are touched.
            if (cell->text() != text)
                cell->setText(text);
            continue;
        }
        cell = new QTableWidgetItem(text);
        cell->setTextAlignment(Qt::AlignCenter);
        if (m_readOnly)
            cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
        else
            cell->setFlags(cell->flags() | Qt::ItemIsEditable);
        setItem(i / columns, i % columns, cell);
    }
    connectCells();
    for (int i = size; i < m_byteCount; ++i)
        delete takeItem(i / columns, i % columns);
    m_byteCount = size;
}

void VyrHexViewTable::getBuffer(unsigned char *out) const
{
    if (!out || m_byteCount == 0)
        return;
    const int columns = columnCount();
    for (int i = 0; i < m_byteCount; ++i) {
        const QTableWidgetItem *cell = item(i / columns, i % columns);
        out[i] = cell ? static_cast<unsigned char>(cell->text().toUInt(nullptr, 16) & 0xFFu) : 0;
    }
}

void VyrHexViewTable::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            if (QTableWidgetItem *cell = item(r, c)) {
                cell->setFlags(readOnly ? cell->flags() & ~Qt::ItemIsEditable
                                        : cell->flags() | Qt::ItemIsEditable);
            }
        }
    }
}

void VyrHexViewTable::onItemChanged(QTableWidgetItem *item)
{
    if (!item || !m_validator)
        return;
    QString text = item->text();
    int position = 0;
    if (m_validator->validate(text, position) != QValidator::Acceptable)
        item->setText(QString());
}

void VyrHexViewTable::onCellChanged(int row, int column)
{
    if (row < 0 || column < 0)
        return;
    if (row * columnCount() + column >= m_byteCount)
        delete takeItem(row, column);
}
