#pragma once

#include <array>
#include <span>
#include <string>

namespace zindra {

// The Code 128 symbol values the encodation writes by itself (ISO/IEC 15417 Table 1).
// 100 and 101 mean a code switch or FNC4 depending on the subset they are read in.
namespace code128 {
inline constexpr int Fnc3 = 96;
inline constexpr int Fnc2 = 97;
inline constexpr int Shift = 98;
inline constexpr int CodeC = 99;
inline constexpr int CodeB = 100; // in subsets A and C
inline constexpr int Fnc4InB = 100;
inline constexpr int CodeA = 101; // in subsets B and C
inline constexpr int Fnc4InA = 101;
inline constexpr int Fnc1 = 102;
inline constexpr int StartA = 103;
inline constexpr int StartB = 104;
inline constexpr int StartC = 105;
inline constexpr int Stop = 106;
inline constexpr int Values = 107;
} // namespace code128

// The character of each symbol value in the Code 128ABC faces, and the same map with
// the quote and apostrophe moved to their alternative characters ("No quotes?").
extern const std::array<char16_t, code128::Values> Code128AbcGlyphs;
extern const std::array<char16_t, code128::Values> Code128AbcNoQuoteGlyphs;

struct Code128AbcSymbol {
    std::u16string FontString; // start to stop, in the Code 128ABC faces
    long long Sum = 0;         // the weighted mod-103 sum before the modulo
    int CheckValue = 0;
};

// Adds the check character and the stop to `values` (start first) and writes the symbol.
Code128AbcSymbol FinishCode128Abc(std::span<const int> values, bool noQuotes);

} // namespace zindra
