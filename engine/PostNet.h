#pragma once

#include "engine/BarResult.h"

#include <string_view>

namespace zindra {

// The full bar that frames the digits on either side.
inline constexpr char16_t PostNetFrameStart = u'(';
inline constexpr char16_t PostNetFrameEnd = u')';

EncodeOutcome EncodePostNet(std::u16string_view data);

} // namespace zindra
