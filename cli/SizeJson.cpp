#include "cli/SizeJson.h"

#include "engine/Utf8.h"
#include "faces/SizeAdvice.h"

#include <cmath>

namespace zindra::cli {
namespace {

double Thousandths(double value) {
    return std::round(value * 1000) / 1000;
}

} // namespace

std::string SizeWarningOf(const BarOptions& options, const BarResult& result) {
    return ToUtf8(SizeWarning(AdviseSize(options, result.FontString, result.SampleSize)));
}

void AddSizeAdvice(nlohmann::ordered_json& object, const BarOptions& options,
                   const BarResult& result) {
    const SizeAdvice advice = AdviseSize(options, result.FontString, result.SampleSize);
    object["x_dimension_mm"] = Thousandths(advice.XDimensionMm);
    object["width_mm"] = Thousandths(advice.WidthMm);
    object["height_mm"] = Thousandths(advice.HeightMm);
    object["magnification_percent"] =
        advice.MagnificationPercent
            ? nlohmann::ordered_json(Thousandths(*advice.MagnificationPercent))
            : nullptr;
    object["warning"] = ToUtf8(SizeWarning(advice));
}

} // namespace zindra::cli
