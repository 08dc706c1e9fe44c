#pragma once

#include "engine/BarOptions.h"

#include <optional>
#include <string>
#include <string_view>

namespace zindra::cli {

// The words of the command line and of a request for the choices of
// BarOptions. Each reader returns nothing for a word it does not know; the
// matching ...Error text says what is accepted, for both front ends alike.

std::optional<Symbology> ReadSymbology(std::string_view word);
std::optional<FontType> ReadFontType(std::string_view word);
std::optional<char> ReadSizeLetter(std::string_view word);
std::optional<int> ReadVariant(std::string_view word);
bool IsVariant(long long number);

std::string SymbologyError(std::string_view word);
std::string FontTypeError(std::string_view word);
std::string SizeLetterError(std::string_view word);
std::string VariantError();

// What the window sets on choosing a symbology and variant: its point size
// (unless the user gave one) and, for SCC-14 and SSCC-18, UCC/EAN (FNC1).
void TakeWindowChoices(BarOptions& options, bool pointSizeGiven);

// Those point sizes for --help: "i25 24, code39 24, ...".
std::string PointSizeDefaults();

} // namespace zindra::cli
