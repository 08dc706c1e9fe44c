#pragma once

#include "engine/BarResult.h"
#include "engine/Functions.h"

#include <array>
#include <string>
#include <string_view>

namespace zindra {

// The digit sets of the EAN/UPC fonts: the left-hand sets A (odd parity) and
// B (even parity) and the right-hand set C of ISO/IEC 15420, the lead digit of
// EAN-13 and UPC-A, and the sets A and B of the supplements.
enum class EanSet { Lead, A, B, C, AddOnA, AddOnB };

// Each set is ten consecutive characters, digit 0 first.
constexpr char16_t EanDigitChar(int digit, EanSet set) {
    // offset from a digit's character to its glyph in each digit set, in EanSet order
    constexpr std::array<int, 6> EanSetOffset = {-15, 17, 33, 0, 49, 65};
    return static_cast<char16_t>(DigitChar(digit) + EanSetOffset[static_cast<std::size_t>(set)]);
}

// Parity tables are written in GS1's letters:
// A for odd parity, B for even.
constexpr EanSet SymbolSet(char parity) {
    return parity == 'A' ? EanSet::A : EanSet::B;
}
constexpr EanSet AddOnSet(char parity) {
    return parity == 'A' ? EanSet::AddOnA : EanSet::AddOnB;
}

// The guard characters of the fonts; EAN-13 and UPC-A draw their left guard
// with the lead digit.
inline constexpr char16_t LeftGuard = u'[';
inline constexpr char16_t CentreGuard = u'|';
inline constexpr char16_t RightGuard = u']';

// Mod-10 check digit; positions counted from 1 at the left, odd positions
// carry `oddWeight` (3 or 1) and even positions the other weight.
int EanCheckDigit(std::u16string_view digits, int oddWeight);

// A result whose sample is the font string itself, as for every EAN/UPC symbol.
BarResult SymbolResult(std::u16string symbol);

} // namespace zindra
