#pragma once

#include "engine/BarResult.h"
#include "engine/EanUpcDigits.h"

#include <string>
#include <string_view>
#include <variant>

namespace zindra {

using AddOnOutcome = std::variant<std::u16string, EncodeError>;

// The five-digit supplement, with the caller's messages for a wrong length or a non-digit.
AddOnOutcome EncodeAddOn5(std::u16string_view text, const DigitMessages& messages);

// The two-digit supplement, likewise.
AddOnOutcome EncodeAddOn2(std::u16string_view text, const DigitMessages& messages);

} // namespace zindra
