#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zindra {

// The point size a text of the PointSize box names: digits only, from 1 to
// the largest size word processors take ("018" is 18). Anything else cannot
// be a font size.
std::optional<int> PointSizeValue(std::u16string_view text);

// The conversion error for such a text, naming it.
std::u16string PointSizeConversionError(std::u16string_view text);

} // namespace zindra
