#pragma once

#include "engine/BarOptions.h"
#include "engine/BarResult.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace zindra {

// How big a result prints at its sample size, in millimetres and per cent to
// three decimals, with the window's warning on that size ("too small to scan
// reliably", "above 200 %", ...) in UTF-8, empty when the size is fine.
struct PrintedSize {
    double XDimensionMm = 0;
    double WidthMm = 0; // quiet zones included
    double HeightMm = 0;
    std::optional<double> MagnificationPercent; // EAN and UPC only
    std::string Warning;
};

PrintedSize PrintedSizeOf(const BarOptions& options, const BarResult& result);

// Adds that size: "x_dimension_mm", "width_mm", "height_mm",
// "magnification_percent" (null but for EAN and UPC) and "warning".
void AddSizeAdvice(nlohmann::ordered_json& object, const BarOptions& options,
                   const BarResult& result);

} // namespace zindra
