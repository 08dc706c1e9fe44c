#pragma once

#include "engine/BarOptions.h"
#include "engine/BarResult.h"

#include <nlohmann/json.hpp>

namespace zindra::cli {

// Adds how big the result prints at its sample size: "x_dimension_mm", "width_mm"
// (quiet zones included), "height_mm" and, for EAN and UPC, "magnification_percent"
// (null for the others), in millimetres and per cent to three decimals.
void AddSizeAdvice(nlohmann::ordered_json& object, const BarOptions& options,
                   const BarResult& result);

} // namespace zindra::cli
