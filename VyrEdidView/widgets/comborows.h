#pragma once

#include <QComboBox>
#include <QString>

// Drop-down lists that show a stored code. A code the list has an entry for shows as that
// entry; a code it has none for (a reserved or unknown value) shows as one more entry,
// "Unknown (0x05)", that the user cannot choose and that goes as soon as another entry becomes
// current. Reading a list takes only the entries it offers, so a value the list cannot name is
// never replaced by one the user did not choose.
namespace ComboRows {

// What a list shows: the row of an entry, or, for a row below 0, the code no entry stands for.
struct Shown
{
    int row;
    unsigned code;
};

// The entry of code in a list whose row number is the code.
inline Shown byCode(unsigned code, int entryCount)
{
    return {code < static_cast<unsigned>(entryCount) ? static_cast<int>(code) : -1, code};
}

// The text of a code that no entry stands for: "Unknown (0x05)".
QString unknownText(unsigned code);

// Makes shown current (see Shown). The list's entries other than the unknown one stay as they
// are; an unknown entry of an earlier code goes.
void show(QComboBox *list, Shown shown);

// The same for a list whose row number is the code.
void showCode(QComboBox *list, unsigned code);

// The number of the list's own entries (the entry of an unknown code not counted).
int entryCount(const QComboBox *list);

// Whether index is the entry of a code no entry stands for.
bool isUnknown(const QComboBox *list, int index);

// The current row when it is one of the list's own entries; -1 for none and for the entry of
// an unknown code.
int currentRow(const QComboBox *list);

// Stores the current row into code when it is one of the list's own entries.
inline void takeCode(const QComboBox *list, unsigned *code)
{
    const int row = currentRow(list);
    if (row >= 0)
        *code = static_cast<unsigned>(row);
}

} // namespace ComboRows
