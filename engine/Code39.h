#pragma once

#include "engine/BarResult.h"

#include <string_view>

namespace zindra {

// Code 39; Option2 is full ASCII, OptionalChecksum the mod-43 check character.
EncodeOutcome EncodeCode39(std::u16string_view data, bool Option2, bool OptionalChecksum);

} // namespace zindra
