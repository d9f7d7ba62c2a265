#pragma once

#include <QComboBox>

// Drop-down lists whose row number is a field code. A code without a row leaves the list
// with no current row, and a list without a current row leaves the code alone, so a value
// the list cannot show is never replaced by one the user did not choose.
namespace ComboRows {

inline void showCode(QComboBox *list, unsigned code)
{
    list->setCurrentIndex(code < static_cast<unsigned>(list->count()) ? static_cast<int>(code)
                                                                      : -1);
}

inline void takeCode(const QComboBox *list, unsigned *code)
{
    if (list->currentIndex() >= 0)
        *code = static_cast<unsigned>(list->currentIndex());
}

} // namespace ComboRows
