#include "cli/SizeJson.h"

#include "ui/SizeAdvice.h"

#include <cmath>

namespace zindra::cli {
namespace {

double Thousandths(double value) {
    return std::round(value * 1000) / 1000;
}

} // namespace

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
}

} // namespace zindra::cli
