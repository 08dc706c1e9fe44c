#pragma once

#include "engine/BarResult.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zindra {

// The data digits of EAN-13, before its check digit.
inline constexpr std::size_t Ean13DataLength = 12;
// The weight of its odd positions in the check digit; the even ones weigh 3.
inline constexpr int Ean13OddWeight = 1;

EncodeOutcome EncodeEan8(std::u16string_view data);
EncodeOutcome EncodeEan13(std::u16string_view data);

// The EAN-13 string for 12 data digits known to be digits (shared with Bookland).
std::u16string Ean13Symbol(std::u16string_view twelveDigits);

} // namespace zindra
