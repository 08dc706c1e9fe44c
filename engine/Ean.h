#pragma once

#include "engine/BarResult.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zindra {

// The digit sets of the EAN/UPC fonts.
enum class EanSet { Lead, A, B, C, AddOnA, AddOnB };

char16_t EanDigitChar(int digit, EanSet set);

// Mod-10 check digit; positions counted from 1 at the left, odd positions
// carry `oddWeight` (3 or 1) and even positions the other weight.
int EanCheckDigit(std::u16string_view digits, int oddWeight);

// The sets ('A' or 'B') of EAN-13 digits 3 to 7 for the given first digit.
std::string_view EanFirstDigitParity(int firstDigit);

EncodeOutcome EncodeEan8(std::u16string_view data);
EncodeOutcome EncodeEan13(std::u16string_view data);

// The EAN-13 string for 12 data digits known to be digits (shared with Bookland).
std::u16string Ean13Symbol(std::u16string_view twelveDigits);

// Shared by the EAN and UPC symbols.
bool AllDigits(std::u16string_view text);

// The checksum error when `data` has a character after its `dataLength` data
// digits and it is not the character of `check`.
std::optional<EncodeError> WrongTypedCheck(std::u16string_view data, std::size_t dataLength,
                                           int check);

// A result whose sample is the font string itself.
BarResult SymbolResult(std::u16string symbol);

} // namespace zindra
