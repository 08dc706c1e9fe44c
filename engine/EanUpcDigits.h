#pragma once

#include "engine/BarResult.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <variant>

namespace zindra {

// What one symbology says when its digits fail: each keeps its own wording.
struct DigitMessages {
    std::u16string_view Length;
    std::u16string_view Digits;
};

// The data digits of an EAN or UPC symbol and the check digit worked out over them.
struct CheckedDigits {
    std::u16string_view Digits;
    int Check = 0;
};

using CheckedOutcome = std::variant<CheckedDigits, EncodeError>;

// The preamble every EAN and UPC symbol runs, in this order: `data` is
// `length` characters or one more, its first `length` are digits, and a
// character after them is the check digit (odd positions weighted `oddWeight`).
CheckedOutcome ReadSymbolDigits(std::u16string_view data, std::size_t length, int oddWeight,
                                const DigitMessages& messages);

// A supplement's field: exactly `length` characters, every one a digit.
std::optional<EncodeError> WrongDigits(std::u16string_view text, std::size_t length,
                                       const DigitMessages& messages);

// `message` when `data` has a character after its `length` data digits and it
// is not the character of `check`.
std::optional<EncodeError> WrongTypedCheck(std::u16string_view data, std::size_t length, int check,
                                           std::u16string_view message);

} // namespace zindra
