#include "engine/EanUpcSets.h"

#include "engine/Functions.h"

#include <utility>

namespace zindra {

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
