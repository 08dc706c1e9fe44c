#include "engine/EanUpcSets.h"

#include "engine/Functions.h"

#include <array>
#include <utility>

namespace zindra {
namespace {

// offset from a digit's character to its glyph in each digit set, in EanSet order
constexpr std::array<int, 6> EanSetOffset = {-15, 17, 33, 0, 49, 65};

} // namespace

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

BarResult SymbolResult(std::u16string symbol) {
    BarResult result;
    result.SampleText = symbol;
    result.FontString = std::move(symbol);
    return result;
}

} // namespace zindra
