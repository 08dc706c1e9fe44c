#include "library/SizeJson.h"

#include "engine/Utf8.h"
#include "faces/LogisticsAdvice.h"
#include "faces/SizeAdvice.h"

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
    // One line for the JSON, the CSV column and stderr: every warning that applies.
    std::u16string warning(SizeWarning(advice));
    for (const std::u16string& more :
         {LogisticsLabelWarning(options, result.SampleSize), result.Warning})
        if (!more.empty()) warning += (warning.empty() ? u"" : u"; ") + more;
    size.Warning = ToUtf8(warning);
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
