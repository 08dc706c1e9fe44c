#pragma once

#include "engine/BarOptions.h"
#include "engine/BarResult.h"

namespace zindra {

// the characters of the Interleaved 2 of 5 faces beside the digit pairs: the start
// and stop, and in the ITF-14 faces the quiet zone inside the box and a side of it
inline constexpr char16_t Interleaved25Start = u'{';
inline constexpr char16_t Interleaved25Stop = u'}';
inline constexpr char16_t Itf14BoxQuiet = u'~';
inline constexpr char16_t Itf14BoxSide = u'|';

// the character of the digit pair 0..99: pairs 90..99 sit in the upper half of the
// font, at 161..170
constexpr char16_t Interleaved25PairChar(int pair) {
    constexpr int FirstUpperPair = 90;
    constexpr int LowerPairOffset = 33;
    constexpr int UpperPairOffset = 71;
    return static_cast<char16_t>(pair +
                                 (pair < FirstUpperPair ? LowerPairOffset : UpperPairOffset));
}

// Interleaved 2 of 5 and, with FontType::Itf14, ITF-14.
EncodeOutcome EncodeInterleaved25(std::u16string_view data, FontType fontType,
                                  bool OptionalChecksum, bool Option2);

} // namespace zindra
