#pragma once

#include "engine/BarResult.h"

#include <string_view>

namespace zindra {

// VariantChoice 2 and 3 append the two- and five-digit supplements from `extra`.
EncodeOutcome EncodeUpcA(std::u16string_view data, int VariantChoice, std::u16string_view extra);
EncodeOutcome EncodeUpcE(std::u16string_view data, int VariantChoice, std::u16string_view extra);

} // namespace zindra
