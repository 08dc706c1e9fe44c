#pragma once

#include "engine/BarResult.h"

#include <string_view>

namespace zindra {

EncodeOutcome EncodeCodabar(std::u16string_view data);

} // namespace zindra
