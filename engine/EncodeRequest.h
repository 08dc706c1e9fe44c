#pragma once

#include "engine/BarOptions.h"
#include "engine/BarResult.h"

#include <string>

namespace zindra {

// The engine's half of Make: the data text after Make (Bookland writes back
// its cleaned digits; otherwise unchanged) and the outcome.
struct RequestOutcome {
    std::u16string DataText;
    EncodeOutcome Outcome;
};

// The largest point size word processors accept.
constexpr int MaxPointSize = 1638;

RequestOutcome EncodeRequest(const BarOptions& options);

} // namespace zindra
