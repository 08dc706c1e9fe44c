#pragma once

#include <string>
#include <initializer_list>
#include <string_view>

namespace zindra {

constexpr bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

constexpr int DigitValue(char16_t c) { return c - u'0'; }

constexpr char16_t DigitChar(int d) { return static_cast<char16_t>(u'0' + d); }

// The text with every character other than "0" to "9" removed, the rest in order.
std::u16string KeepDigits(std::u16string_view text);

// (10 - s mod 10) mod 10 for a weighted digit sum s >= 0.
int ModTenComplement(int s);

// The character at `index` as it should be named in a message: the whole code
// point when it is the first half of a surrogate pair, else the one unit.
std::u16string CharacterAt(std::u16string_view text, std::size_t index);

// Replaces the first "%c" of `format` by `character`.
std::u16string FormatCharMessage(std::u16string_view format, std::u16string_view character);

// printf-style "%d" and "%s" substitution in order, for the sums lines.
// Each argument is already text; numbers go through std::to_string first.
std::u16string FormatFields(std::u16string_view format,
                            std::initializer_list<std::u16string_view> fields);

// The sample most symbologies show: the font string followed by two spaces.
// Built in one allocation; every encoding makes one.
std::u16string PaddedSample(std::u16string_view fontString);

std::u16string ToU16(long long n);

std::u16string AsciiToU16(std::string_view ascii);

} // namespace zindra
