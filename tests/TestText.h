#pragma once

// Lets test tables be written as plain UTF-8 literals with \u escapes for
// the characters above 127.

#include <string>
#include <string_view>

namespace zindra::test {

// UTF-8 to UTF-16 for test literals (BMP only, no validation: inputs are ours).
inline std::u16string U(std::string_view utf8) {
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out.push_back(b);
            i += 1;
        } else if ((b & 0xE0) == 0xC0) {
            out.push_back(static_cast<char16_t>(((b & 0x1F) << 6) | (utf8[i + 1] & 0x3F)));
            i += 2;
        } else {
            out.push_back(static_cast<char16_t>(((b & 0x0F) << 12) | ((utf8[i + 1] & 0x3F) << 6) |
                                                (utf8[i + 2] & 0x3F)));
            i += 3;
        }
    }
    return out;
}

// A readable form of UTF-16 text: ASCII as is, everything else as <code>.
inline std::string Show(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        if (c >= 32 && c < 127)
            out.push_back(static_cast<char>(c));
        else
            out += "<" + std::to_string(static_cast<unsigned>(c)) + ">";
    }
    return out;
}

} // namespace zindra::test
