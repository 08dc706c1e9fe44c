#pragma once

#include <optional>
#include <string_view>

namespace zindra {

// The largest point size word processors accept.
constexpr int MaxPointSize = 1638;
inline constexpr char16_t PointSizeMessage[] =
    u"Error, the point size must be a whole number from 1 to 1638";

// The point size a point-size text names: digits only, from 1 to
// MaxPointSize ("018" is 18). Anything else cannot be a font size.
std::optional<int> PointSizeValue(std::u16string_view text);

} // namespace zindra
