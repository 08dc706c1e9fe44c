#pragma once

#include <string>
#include <string_view>

namespace zindra {

// The settings file is UTF-8 text; the window's texts are UTF-16. Surrogate
// pairs travel as the one code point they form; anything ill-formed (a lone
// surrogate, a broken UTF-8 sequence) becomes U+FFFD rather than failing.
std::string Utf8FromUtf16(std::u16string_view text);
std::u16string Utf16FromUtf8(std::string_view text);

} // namespace zindra
