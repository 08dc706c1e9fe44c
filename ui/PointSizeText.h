#pragma once

#include <string>
#include <string_view>

namespace zindra {

// The conversion error for a point-size text that names no font size
// (PointSizeValue refuses it), naming the text.
std::u16string PointSizeConversionError(std::u16string_view text);

} // namespace zindra
