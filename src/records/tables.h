#pragma once

#include <cstddef>

// Whether each row of a table stands at the place its key names, so that a
// handler can find its row by its key.
template<typename Row, std::size_t size, typename Key>
constexpr bool rowsInOrder(const Row (&rows)[size], Key Row::*key, int count)
{
    if (static_cast<int>(size) != count)
        return false;
    for (int i = 0; i < count; ++i) {
        if (static_cast<int>(rows[i].*key) != i)
            return false;
    }
    return true;
}
