#pragma once

#include "engine/BarOptions.h"

#include <string>

namespace zindra {

// GS1 logistics labels ask for X from 0.495 to 1.016 mm and bars at least 31.75 mm
// tall (the symbol sizes GS1 sets for logistics labels).
inline constexpr double LogisticsMinXmm = 0.495;
inline constexpr double LogisticsMaxXmm = 1.016;
inline constexpr double LogisticsMinBarMm = 31.75;

// Whether a GS1-128 symbol made from `choices` at `pointSize` points misses those
// figures, as a plain warning; empty when it meets them or is no GS1-128 symbol.
std::u16string LogisticsLabelWarning(const BarOptions& choices, int pointSize);

} // namespace zindra
