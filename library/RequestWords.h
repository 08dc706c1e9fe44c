#pragma once

#include "engine/BarOptions.h"

#include <optional>
#include <string>
#include <string_view>

namespace zindra {

// The words of a request (and of the command line, through the library) for
// the choices of BarOptions. Each reader returns nothing for a word it does
// not know; the matching ...Error text says what is accepted.

std::optional<Symbology> ReadSymbology(std::string_view word);
std::optional<FontType> ReadFontType(std::string_view word);
std::optional<char> ReadSizeLetter(std::string_view word);
std::optional<int> ReadVariant(std::string_view word);
bool IsVariant(long long number);

// The word of a symbology or font type; nothing for a value outside the enums.
std::optional<std::string_view> SymbologyWord(int symbology);
std::optional<std::string_view> FontTypeWord(int fontType);

std::string SymbologyError(std::string_view word);
std::string FontTypeError(std::string_view word);
std::string SizeLetterError(std::string_view word);
std::string VariantError();

} // namespace zindra
