#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// Compile-time checks for the tables that join reading texts to facts. A
// table keyed by a list of names has row i for name i: then every name has
// its row exactly once, and a row is found by the name's position.
namespace velmora::content {

template <std::size_t N>
constexpr bool AllDistinct(const std::array<std::string_view, N>& names) noexcept
{
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = i + 1; j < N; ++j) {
            if (names[i] == names[j])
                return false;
        }
    }
    return true;
}

// Row i of `rows` names names[i] in its `key` column, for every i.
template <class Row, std::size_t N>
constexpr bool KeyedInOrder(const std::array<Row, N>& rows, std::string_view Row::*key,
                            const std::array<std::string_view, N>& names) noexcept
{
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].*key != names[i])
            return false;
    }
    return true;
}

} // namespace velmora::content
