#pragma once

#include <QTableWidget>

class QRegExpValidator;

// The hex view: the bytes of a buffer as two-digit hexadecimal cells, 16 a row. Column headers
// read "00" to "0F", row headers the offset of the row's first byte ("00", "10", ... "1F0").
class VyrHexViewTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit VyrHexViewTable(QWidget *parent = nullptr);

    // Set the table's size and label the headers.
    void setColumnCount(int columns);
    void setRowCount(int rows);

    // Shows size bytes (zeros for null bytes); cells behind the last byte are emptied.
    void setBuffer(unsigned short size, const unsigned char *bytes);
    // Reads the byte cells back (a cell without an item reads 0); nothing for null out.
    void getBuffer(unsigned char *out) const;
    void setReadOnly(bool readOnly);

    unsigned short byteCount() const { return m_byteCount; }

private slots:
    void onItemChanged(QTableWidgetItem *item);
    void onCellChanged(int row, int column);

private:
    void connectCells();
    void disconnectCells();

    QRegExpValidator *m_validator;
    bool m_readOnly = false;
    unsigned short m_byteCount = 0;
};
