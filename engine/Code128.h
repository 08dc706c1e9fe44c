#pragma once

#include "engine/BarResult.h"

#include <string_view>

namespace zindra {

// Code 128 subsets A, B and C (VariantChoice 1, 2, 3).
EncodeOutcome EncodeCode128(std::u16string_view data, int VariantChoice, bool Option2,
                            bool OptionalChecksum, bool DispSums);

// The pair encoding of subset C, shared with SCC-14 and SSCC-18.
struct Code128CSymbol {
    std::u16string FontString;  // start, optional FNC1, pairs, check character, stop
    long long Sum = 0;          // the weighted mod-103 sum before the modulo
    int CheckValue = 0;
    char16_t CheckChar = 0;
};

// `digits` must be all digits and of even length.
Code128CSymbol EncodeCode128C(std::u16string_view digits, bool Option2, bool OptionalChecksum);

} // namespace zindra
