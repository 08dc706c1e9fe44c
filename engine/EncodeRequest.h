#pragma once

#include "engine/BarOptions.h"
#include "engine/BarResult.h"
#include "engine/PointSize.h"

#include <optional>
#include <string>
#include <string_view>

namespace zindra {

// The engine's half of Make: the data text after Make (Bookland writes back
// its cleaned digits; otherwise unchanged) and the outcome.
struct RequestOutcome {
    std::u16string DataText;
    EncodeOutcome Outcome;
};

RequestOutcome EncodeRequest(const BarOptions& options);

} // namespace zindra
