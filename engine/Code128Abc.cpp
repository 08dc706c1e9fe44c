#include "engine/Code128Abc.h"

namespace zindra {

Code128AbcSymbol FinishCode128Abc(std::span<const int> values, bool noQuotes) {
    const auto& glyphs = noQuotes ? Code128AbcNoQuoteGlyphs : Code128AbcGlyphs;
    Code128AbcSymbol symbol;
    symbol.FontString.reserve(values.size() + 2);
    // The start counts once, and so does the first symbol after it.
    for (std::size_t i = 0; i < values.size(); ++i) {
        symbol.Sum += static_cast<long long>(i == 0 ? 1 : i) * values[i];
        symbol.FontString.push_back(glyphs[values[i]]);
    }
    constexpr int Modulus = 103;
    symbol.CheckValue = static_cast<int>(symbol.Sum % Modulus);
    symbol.FontString.push_back(glyphs[symbol.CheckValue]);
    symbol.FontString.push_back(glyphs[code128::Stop]);
    return symbol;
}

} // namespace zindra
