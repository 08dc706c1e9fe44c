#include "engine/Ean.h"

#include "engine/EanUpcDigits.h"
#include "engine/EanUpcSets.h"
#include "engine/Functions.h"

#include <array>
#include <string>
#include <utility>
#include <variant>

namespace zindra {
namespace {

// sets of EAN-13 digits 3 to 7 by digit 1 (ISO/IEC 15420); digit 2 is always set A
constexpr std::array<std::string_view, 10> EanFirstDigitParity = {
    "AAAAA", "ABABB", "ABBAB", "ABBBA", "BAABB", "BBAAB", "BBBAA", "BABAB", "BABBA", "BBABA",
};

constexpr std::size_t Ean8DataLength = 7;
// the data digits, the check digit and the guards; reserved up front so a
// symbol is built in one allocation
constexpr std::size_t Ean8SymbolLength = Ean8DataLength + 1 + 3;
constexpr std::size_t Ean13SymbolLength = Ean13DataLength + 1 + 2;

// EAN-8 weights its odd positions 3, as UPC does: the digit next to the
// check digit weighs 3 in every EAN/UPC number.
constexpr int Ean8OddWeight = 3;

} // namespace

std::u16string Ean13Symbol(std::u16string_view twelveDigits) {
    const int first = DigitValue(twelveDigits[0]);
    const std::string_view parity = EanFirstDigitParity[static_cast<std::size_t>(first)];
    std::u16string symbol;
    symbol.reserve(Ean13SymbolLength);
    symbol += EanDigitChar(first, EanSet::Lead);
    symbol += EanDigitChar(DigitValue(twelveDigits[1]), EanSet::A);
    for (std::size_t i = 0; i < parity.size(); ++i)
        symbol += EanDigitChar(DigitValue(twelveDigits[2 + i]), SymbolSet(parity[i]));
    symbol += CentreGuard;
    for (char16_t c : twelveDigits.substr(7))
        symbol += EanDigitChar(DigitValue(c), EanSet::C);
    symbol += EanDigitChar(EanCheckDigit(twelveDigits, Ean13OddWeight), EanSet::C);
    symbol += RightGuard;
    return symbol;
}

EncodeOutcome EncodeEan8(std::u16string_view data) {
    constexpr DigitMessages Messages{u"EAN 8 bar codes have 7 data digits plus a checksum",
                                     u"EAN 8 must be all digits"};
    const CheckedOutcome read = ReadSymbolDigits(data, Ean8DataLength, Ean8OddWeight, Messages);
    if (const auto* error = std::get_if<EncodeError>(&read)) return *error;
    const auto [digits, check] = std::get<CheckedDigits>(read);

    std::u16string symbol;
    symbol.reserve(Ean8SymbolLength);
    symbol += LeftGuard;
    for (char16_t c : digits.substr(0, 4))
        symbol += EanDigitChar(DigitValue(c), EanSet::A);
    symbol += CentreGuard;
    for (char16_t c : digits.substr(4))
        symbol += EanDigitChar(DigitValue(c), EanSet::C);
    symbol += EanDigitChar(check, EanSet::C);
    symbol += RightGuard;
    return SymbolResult(std::move(symbol));
}

EncodeOutcome EncodeEan13(std::u16string_view data) {
    constexpr DigitMessages Messages{u"EAN 13 bar codes have 12 data digits plus a checksum",
                                     u"EAN 13 must be all digits"};
    const CheckedOutcome read = ReadSymbolDigits(data, Ean13DataLength, Ean13OddWeight, Messages);
    if (const auto* error = std::get_if<EncodeError>(&read)) return *error;
    return SymbolResult(Ean13Symbol(std::get<CheckedDigits>(read).Digits));
}

} // namespace zindra
