#pragma once

#include "engine/BarResult.h"

#include <string_view>

namespace zindra {

EncodeOutcome EncodePostNet(std::u16string_view data);

} // namespace zindra
