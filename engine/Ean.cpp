#include "engine/Ean.h"

#include "engine/Functions.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace zindra {
namespace {

// offset from a digit's character to its glyph in each digit set, in EanSet order
constexpr std::array<int, 6> EanSetOffset = {-15, 17, 33, 0, 49, 65};

// sets of EAN-13 digits 3 to 7 by digit 1; digit 2 is always set A
constexpr std::array<std::string_view, 10> EanFirstDigitParityTable = {
    "AAAAA", "ABABB", "ABBAB", "ABBBA", "BAABB", "BBAAB", "BBBAA", "BABAB", "BABBA", "BBABA",
};

constexpr char16_t LeftGuard = u'[';
constexpr char16_t CentreGuard = u'|';
constexpr char16_t RightGuard = u']';

constexpr std::size_t Ean8DataLength = 7;
constexpr std::size_t Ean13DataLength = 12;
// the data digits, the check digit and the guards; reserved up front so a
// symbol is built in one allocation
constexpr std::size_t Ean8SymbolLength = Ean8DataLength + 1 + 3;
constexpr std::size_t Ean13SymbolLength = Ean13DataLength + 1 + 2;

} // namespace

bool AllDigits(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), IsDigit);
}

std::optional<EncodeError> WrongTypedCheck(std::u16string_view data, std::size_t dataLength,
                                           int check) {
    // The typed character is compared, never read as a digit: anything but
    // the right one is a wrong checksum.
    constexpr char16_t ChecksumMessage[] = u"The checksum you entered is not correct";
    if (data.size() > dataLength && data[dataLength] != DigitChar(check))
        return EncodeError{ChecksumMessage};
    return std::nullopt;
}

BarResult SymbolResult(std::u16string symbol) {
    BarResult result;
    result.SampleText = symbol;
    result.FontString = std::move(symbol);
    return result;
}

char16_t EanDigitChar(int digit, EanSet set) {
    return static_cast<char16_t>(DigitChar(digit) + EanSetOffset[static_cast<std::size_t>(set)]);
}

int EanCheckDigit(std::u16string_view digits, int oddWeight) {
    const int evenWeight = 4 - oddWeight;
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i)
        sum += DigitValue(digits[i]) * (i % 2 == 0 ? oddWeight : evenWeight);
    return ModTenComplement(sum);
}

std::string_view EanFirstDigitParity(int firstDigit) {
    return EanFirstDigitParityTable[static_cast<std::size_t>(firstDigit)];
}

std::u16string Ean13Symbol(std::u16string_view twelveDigits) {
    const int first = DigitValue(twelveDigits[0]);
    const std::string_view parity = EanFirstDigitParity(first);
    std::u16string symbol;
    symbol.reserve(Ean13SymbolLength);
    symbol += EanDigitChar(first, EanSet::Lead);
    symbol += EanDigitChar(DigitValue(twelveDigits[1]), EanSet::A);
    for (std::size_t i = 0; i < parity.size(); ++i)
        symbol +=
            EanDigitChar(DigitValue(twelveDigits[2 + i]), parity[i] == 'A' ? EanSet::A : EanSet::B);
    symbol += CentreGuard;
    for (char16_t c : twelveDigits.substr(7))
        symbol += EanDigitChar(DigitValue(c), EanSet::C);
    symbol += EanDigitChar(EanCheckDigit(twelveDigits, 1), EanSet::C);
    symbol += RightGuard;
    return symbol;
}

EncodeOutcome EncodeEan8(std::u16string_view data) {
    constexpr char16_t LengthMessage[] = u"EAN 8 bar codes have 7 data digits plus a checksum";
    if (data.size() != Ean8DataLength && data.size() != Ean8DataLength + 1)
        return EncodeError{LengthMessage};

    const std::u16string_view digits = data.substr(0, Ean8DataLength);
    constexpr char16_t DigitsMessage[] = u"EAN 8 must be all digits";
    if (!AllDigits(digits)) return EncodeError{DigitsMessage};

    const int check = EanCheckDigit(digits, 3);
    if (auto error = WrongTypedCheck(data, Ean8DataLength, check)) return *error;

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
    constexpr char16_t LengthMessage[] = u"EAN 13 bar codes have 12 data digits plus a checksum";
    if (data.size() != Ean13DataLength && data.size() != Ean13DataLength + 1)
        return EncodeError{LengthMessage};

    const std::u16string_view digits = data.substr(0, Ean13DataLength);
    constexpr char16_t DigitsMessage[] = u"EAN 13 must be all digits";
    if (!AllDigits(digits)) return EncodeError{DigitsMessage};

    if (auto error = WrongTypedCheck(data, Ean13DataLength, EanCheckDigit(digits, 1)))
        return *error;

    return SymbolResult(Ean13Symbol(digits));
}

} // namespace zindra
