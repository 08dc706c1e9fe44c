#pragma once

#include "engine/BarResult.h"
#include "engine/EanUpcDigits.h"

#include <string>
#include <string_view>
#include <variant>

namespace zindra {

// The supplement's characters: the space that makes the gap between the symbol and
// its supplement, the supplement's start guard and the delineator between its digits.
inline constexpr char16_t AddOnGap = u' ';
inline constexpr char16_t AddOnStart = u'/';
inline constexpr char16_t AddOnDelineator = u'.';

using AddOnOutcome = std::variant<std::u16string, EncodeError>;

// The five-digit supplement, with the caller's messages for a wrong length or a non-digit.
AddOnOutcome EncodeAddOn5(std::u16string_view text, const DigitMessages& messages);

// The two-digit supplement, likewise.
AddOnOutcome EncodeAddOn2(std::u16string_view text, const DigitMessages& messages);

} // namespace zindra
