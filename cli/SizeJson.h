#pragma once

#include "engine/BarOptions.h"
#include "engine/BarResult.h"

#include <nlohmann/json.hpp>
#include <string>

namespace zindra::cli {

// The window's warning on the size a result prints at ("too small to scan
// reliably", "above 200 %", ...), in UTF-8; empty when the size is fine.
std::string SizeWarningOf(const BarOptions& options, const BarResult& result);

// Adds how big the result prints at its sample size: "x_dimension_mm", "width_mm"
// (quiet zones included), "height_mm" and, for EAN and UPC, "magnification_percent"
// (null for the others), in millimetres and per cent to three decimals, and
// "warning", SizeWarningOf's text.
void AddSizeAdvice(nlohmann::ordered_json& object, const BarOptions& options,
                   const BarResult& result);

} // namespace zindra::cli
