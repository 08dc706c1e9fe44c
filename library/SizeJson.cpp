#include "library/SizeJson.h"

#include "engine/Utf8.h"
#include "faces/MadeWarning.h"

#include <cmath>

namespace zindra {
namespace {

double Thousandths(double value) {
    return std::round(value * 1000) / 1000;
}

} // namespace

PrintedSize PrintedSizeOf(const BarOptions& options, const BarResult& result) {
    const SizeAdvice advice = AdviseSize(options, result.FontString, result.SampleSize);
    PrintedSize size;
    size.XDimensionMm = Thousandths(advice.XDimensionMm);
    size.WidthMm = Thousandths(advice.WidthMm);
    size.HeightMm = Thousandths(advice.HeightMm);
    if (advice.MagnificationPercent)
        size.MagnificationPercent = Thousandths(*advice.MagnificationPercent);
    size.Warning = ToUtf8(MadeWarning(options, advice, result.SampleSize, result.Warning));
    return size;
}

void AddSizeAdvice(nlohmann::ordered_json& object, const BarOptions& options,
                   const BarResult& result) {
    const PrintedSize size = PrintedSizeOf(options, result);
    object["x_dimension_mm"] = size.XDimensionMm;
    object["width_mm"] = size.WidthMm;
    object["height_mm"] = size.HeightMm;
    object["magnification_percent"] =
        size.MagnificationPercent ? nlohmann::ordered_json(*size.MagnificationPercent) : nullptr;
    object["warning"] = size.Warning;
}

} // namespace zindra
