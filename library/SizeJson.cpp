#include "library/SizeJson.h"

#include "engine/Utf8.h"
#include "faces/MadeWarning.h"
#include "faces/SampleFaceName.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zindra {
namespace {

double Thousandths(double value) {
    return std::round(value * 1000) / 1000;
}

// What the size advice depends on. Records of one bulk run share their choices,
// and most share their width with an earlier one.
struct AdviceKey {
    FaceChoices face;
    int pointSize;
    double widthModules;
    bool operator==(const AdviceKey&) const = default;
};

// The size of a symbol of that width, its warnings but the encoding's.
struct KeptAdvice {
    AdviceKey key;
    PrintedSize size;
};

KeptAdvice AdviceOfWidth(const AdviceKey& key, const BarOptions& options) {
    const SizeAdvice advice = AdviseSizeOfWidth(options, key.widthModules, key.pointSize);
    KeptAdvice kept{key, {}};
    PrintedSize& size = kept.size;
    size.XDimensionMm = Thousandths(advice.XDimensionMm);
    size.WidthMm = Thousandths(advice.WidthMm);
    size.HeightMm = Thousandths(advice.HeightMm);
    if (advice.MagnificationPercent)
        size.MagnificationPercent = Thousandths(*advice.MagnificationPercent);
    size.Warning = ToUtf8(MadeWarning(options, advice, key.pointSize, u""));
    return kept;
}

} // namespace

const PrintedSize& KeptPrintedSize(const BarOptions& options, const BarResult& result) {
    const AdviceKey key{FaceChoicesOf(options), result.SampleSize,
                        SymbolWidthModules(options, result.FontString)};
    // A handful of widths covers a run; a run of ever new widths starts afresh.
    constexpr std::size_t Kept = 64;
    thread_local std::vector<KeptAdvice> kept;
    auto found = std::find_if(kept.begin(), kept.end(),
                              [&key](const KeptAdvice& k) { return k.key == key; });
    if (found == kept.end()) {
        if (kept.size() == Kept) kept.clear();
        kept.push_back(AdviceOfWidth(key, options));
        found = kept.end() - 1;
    }
    return found->size;
}

std::string_view WarningOf(const PrintedSize& kept, const BarResult& result, std::string& joined) {
    if (result.Warning.empty()) return kept.Warning;
    joined = kept.Warning;
    AppendWarning(joined, result.Warning);
    return joined;
}

PrintedSize PrintedSizeOf(const BarOptions& options, const BarResult& result) {
    PrintedSize size = KeptPrintedSize(options, result);
    if (!result.Warning.empty()) {
        std::string joined;
        size.Warning = WarningOf(size, result, joined);
    }
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
