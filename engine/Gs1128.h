#pragma once

#include "engine/BarOptions.h"
#include "engine/BarResult.h"

#include <string_view>

namespace zindra {

// GS1-128 (VariantChoice 7): Start, FNC1, the element strings in the fewest symbols with
// an FNC1 after each variable-length one but the last, the check character and the stop,
// in the Code 128ABC faces. The human-readable line shows the AIs in parentheses.
EncodeOutcome EncodeGs1128(std::u16string_view data, bool OptionalChecksum, FontType fontType,
                           bool DispSums);

} // namespace zindra
