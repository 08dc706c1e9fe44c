#pragma once

#include "engine/BarOptions.h"
#include "engine/BarResult.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

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

// The same as this thread keeps it for bulk runs, per face, point size and symbol
// width, but for the encoding's own warning (`result.Warning`), which WarningOf
// joins; valid until the next call on this thread.
const PrintedSize& KeptPrintedSize(const BarOptions& options, const BarResult& result);

// The whole warning of `result`: `kept`'s, or `joined` holding it with the encoding's.
std::string_view WarningOf(const PrintedSize& kept, const BarResult& result, std::string& joined);

// Adds that size: "x_dimension_mm", "width_mm", "height_mm",
// "magnification_percent" (null but for EAN and UPC) and "warning".
void AddSizeAdvice(nlohmann::ordered_json& object, const BarOptions& options,
                   const BarResult& result);

} // namespace zindra
