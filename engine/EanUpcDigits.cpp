#include "engine/EanUpcDigits.h"

#include "engine/EanUpcSets.h"
#include "engine/Functions.h"

#include <algorithm>
#include <string>

namespace zindra {
namespace {

// `length` data digits, then at most `typed` more characters left to the caller.
std::optional<EncodeError> WrongField(std::u16string_view data, std::size_t length,
                                      std::size_t typed, const DigitMessages& messages) {
    if (data.size() < length || data.size() > length + typed)
        return EncodeError{std::u16string(messages.Length)};
    const std::u16string_view digits = data.substr(0, length);
    if (!std::all_of(digits.begin(), digits.end(), IsDigit))
        return EncodeError{std::u16string(messages.Digits)};
    return std::nullopt;
}

} // namespace

CheckedOutcome ReadSymbolDigits(std::u16string_view data, std::size_t length, int oddWeight,
                                const DigitMessages& messages) {
    if (auto error = WrongField(data, length, 1, messages)) return *error;
    const std::u16string_view digits = data.substr(0, length);
    const int check = EanCheckDigit(digits, oddWeight);
    constexpr char16_t ChecksumMessage[] = u"The checksum you entered is not correct";
    if (auto error = WrongTypedCheck(data, length, check, ChecksumMessage)) return *error;
    return CheckedDigits{digits, check};
}

std::optional<EncodeError> WrongDigits(std::u16string_view text, std::size_t length,
                                       const DigitMessages& messages) {
    return WrongField(text, length, 0, messages);
}

std::optional<EncodeError> WrongTypedCheck(std::u16string_view data, std::size_t length, int check,
                                           std::u16string_view message) {
    // The typed character is compared, never read as a digit: anything but
    // the right one is a wrong checksum.
    if (data.size() > length && data[length] != DigitChar(check))
        return EncodeError{std::u16string(message)};
    return std::nullopt;
}

} // namespace zindra
