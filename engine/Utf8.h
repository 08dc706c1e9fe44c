#pragma once

#include <string>
#include <string_view>

namespace zindra {

// UTF-8 to UTF-16, one data character per code point (a surrogate pair above
// U+FFFF). Every ill-formed sequence (overlong forms, encoded surrogates, code
// points above U+10FFFF, stray or missing continuation bytes) becomes one
// U+FFFD; the result says whether the input was well formed. `out` is
// replaced, so a caller in a loop keeps its capacity.
bool DecodeUtf8(std::string_view in, std::u16string& out);

// Whether every byte is below 0x80: ASCII is well-formed UTF-8, found without decoding.
bool IsAscii(std::string_view in);

// UTF-16 to UTF-8, appended to `out`. Surrogate pairs are written as the one
// code point they form; a lone surrogate is written as U+FFFD so the output
// stays valid UTF-8.
void AppendUtf8(std::u16string_view in, std::string& out);

// The most UTF-8 bytes one UTF-16 unit takes (a surrogate pair takes four for two).
inline constexpr std::size_t MaxUtf8Bytes = 3;

// The same written at `at`, which has room for MaxUtf8Bytes a unit; returns the
// position after the text.
char* WriteUtf8(std::u16string_view in, char* at);

std::string ToUtf8(std::u16string_view in);

// UTF-8 to UTF-16 where only the text matters: ill-formed input comes back
// with U+FFFD in place of each faulty sequence.
std::u16string FromUtf8(std::string_view in);

} // namespace zindra
