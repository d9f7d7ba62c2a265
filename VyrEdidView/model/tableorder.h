#pragma once

#include <cstddef>

// Checks of the tables indexed by an enum, for static_assert: true when rows holds exactly count
// rows and row i carries i in its key member, so every value of the enum has one row, at its own
// index. A missing row of a table with a fixed size is a zero row and so out of place.
template <typename Row, typename Key, std::size_t N>
constexpr bool rowsInKeyOrder(const Row (&rows)[N], Key Row::*key, std::size_t count)
{
    if (N != count)
        return false;
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(rows[i].*key) != i)
            return false;
    }
    return true;
}
