#pragma once

#include "engine/BarResult.h"

#include <span>
#include <string_view>
#include <vector>

namespace zindra {

// What the automatic encodation carries: a character 0..255, or a function symbol.
inline constexpr int ItemFnc1 = -1;
inline constexpr int ItemFnc2 = -2;
inline constexpr int ItemFnc3 = -3;
inline constexpr int ItemFnc4 = -4;

// The fewest symbol values, the start first, that carry `items` (each 0..255 or an
// ItemFnc): subsets, shifts and switches chosen by dynamic programming over
// (position, current subset). Equal lengths always resolve the same way.
std::vector<int> MinimalCode128(std::span<const int> items);

// Code 128 Auto (VariantChoice 6): any text of codes 0..255 in the Code 128ABC faces;
// the function characters of the Insert box are FNC1..FNC4.
EncodeOutcome EncodeCode128Auto(std::u16string_view data, bool Option2, bool OptionalChecksum,
                                bool DispSums);

} // namespace zindra
