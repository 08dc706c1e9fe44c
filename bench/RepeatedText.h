#pragma once

#include <string>
#include <string_view>

namespace zindra::bench {

// The data field holds 2047 characters once saved: the longest text a user can make.
constexpr std::size_t LongestData = 2047;

// `unit` repeated and cut to exactly `length` characters.
inline std::u16string Repeat(std::u16string_view unit, std::size_t length) {
    std::u16string text;
    while (text.size() < length)
        text += unit;
    text.resize(length);
    return text;
}

} // namespace zindra::bench
