#pragma once

#include "engine/BarResult.h"

#include <string_view>

namespace zindra {

// Code 93 with its C and K check characters; DispSums adds the sums line.
EncodeOutcome EncodeCode93(std::u16string_view data, bool DispSums);

} // namespace zindra
