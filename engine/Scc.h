#pragma once

#include "engine/BarOptions.h"
#include "engine/BarResult.h"

#include <string_view>

namespace zindra {

// SCC-14 (VariantChoice 4) and SSCC-18 (VariantChoice 5) on Code 128 subset C.
EncodeOutcome EncodeScc(std::u16string_view data, int VariantChoice, bool Option2,
                        bool OptionalChecksum, FontType fontType, bool DispSums);

} // namespace zindra
