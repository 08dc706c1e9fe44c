#pragma once

#include "engine/BarResult.h"

#include <string>
#include <string_view>
#include <variant>

namespace zindra {

using AddOnOutcome = std::variant<std::u16string, EncodeError>;

// The non-digit message of the UPC supplements, both lengths.
inline constexpr char16_t SupplementDigitsMessage[] = u"Supplemental code must be all digits";

// Five-digit supplement; the caller has checked the length.
AddOnOutcome EncodeAddOn5(std::u16string_view text, std::u16string_view nonDigitMessage);

// Two-digit supplement; checks the length itself.
AddOnOutcome EncodeAddOn2(std::u16string_view text);

} // namespace zindra
