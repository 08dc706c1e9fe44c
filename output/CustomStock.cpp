#include "output/CustomStock.h"

#include "faces/PrintUnits.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <vector>

namespace zindra {
namespace {

constexpr int MostLabelsAcross = 100;
constexpr double LargestRollMm = 1000.0;
constexpr double Tolerance = 0.005; // mm, for sizes written to two decimals

constexpr char CustomForm[] = "custom:COLSxROWS,LABEL_WxH,LEFT,TOP[,PITCH_XxY][,a4|letter]";

std::vector<std::string_view> Split(std::string_view text, char at) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(at, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::optional<double> Millimetres(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !(value >= 0))
        return std::nullopt;
    return value;
}

std::optional<int> Count(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 1 ||
        value > MostLabelsAcross)
        return std::nullopt;
    return value;
}

// "AxB" as two numbers read by `read`.
template <typename Read> auto Pair(std::string_view text, Read read) {
    using Value = decltype(read(text));
    const auto parts = Split(text, 'x');
    if (parts.size() != 2) return std::pair<Value, Value>{};
    return std::pair{read(parts[0]), read(parts[1])};
}

std::string Mm(double mm) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f mm", mm);
    return text;
}

std::variant<SheetStock, std::string> Custom(std::string_view name, std::string_view spec) {
    const std::string refusal = "the custom stock '" + std::string(name) + "' is not " + CustomForm;
    std::vector<std::string_view> parts = Split(spec, ',');
    double pageWidth = PointsToMm(A4Width), pageHeight = PointsToMm(A4Height);
    if (parts.size() > 4 && (parts.back() == "a4" || parts.back() == "letter")) {
        if (parts.back() == "letter")
            pageWidth = PointsToMm(LetterPaperWidth), pageHeight = PointsToMm(LetterPaperHeight);
        parts.pop_back();
    }
    if (parts.size() != 4 && parts.size() != 5) return refusal;
    const auto [columns, rows] = Pair(parts[0], Count);
    const auto [width, height] = Pair(parts[1], Millimetres);
    const auto left = Millimetres(parts[2]);
    const auto top = Millimetres(parts[3]);
    if (!columns || !rows || !width || !height || !left || !top || *width <= 0 || *height <= 0)
        return refusal;
    double pitchX = *width, pitchY = *height;
    if (parts.size() == 5) {
        const auto [x, y] = Pair(parts[4], Millimetres);
        if (!x || !y) return refusal;
        if (*x + Tolerance < *width || *y + Tolerance < *height)
            return "the custom stock '" + std::string(name) +
                   "': the pitch is less than the label, so the labels would overlap";
        pitchX = *x, pitchY = *y;
    }
    const double right = *left + (*columns - 1) * pitchX + *width;
    const double bottom = *top + (*rows - 1) * pitchY + *height;
    if (right > pageWidth + Tolerance || bottom > pageHeight + Tolerance)
        return "the custom stock '" + std::string(name) + "': the labels reach " + Mm(right) +
               " across and " + Mm(bottom) + " down, past the paper's " + Mm(pageWidth) + " x " +
               Mm(pageHeight);
    SheetStock stock{std::string(name),
                     pageWidth * PointsPerMm,
                     pageHeight * PointsPerMm,
                     *width * PointsPerMm,
                     *height * PointsPerMm,
                     *columns,
                     *rows,
                     (pitchX - *width) * PointsPerMm,
                     (pitchY - *height) * PointsPerMm};
    stock.Left = *left * PointsPerMm;
    stock.Top = *top * PointsPerMm;
    return stock;
}

std::variant<SheetStock, std::string> Roll(std::string_view name, std::string_view spec) {
    const auto [width, height] = Pair(spec, Millimetres);
    if (!width || !height || *width <= 0 || *height <= 0 || *width > LargestRollMm ||
        *height > LargestRollMm)
        return "the roll '" + std::string(name) + "' is not roll:WxH, in millimetres up to 1000";
    SheetStock stock{std::string(name),
                     *width * PointsPerMm,
                     *height * PointsPerMm,
                     *width * PointsPerMm,
                     *height * PointsPerMm,
                     1,
                     1,
                     0.0,
                     0.0};
    stock.Left = 0;
    stock.Top = 0;
    return stock;
}

} // namespace

std::variant<SheetStock, std::string> SheetStockNamed(std::string_view name) {
    if (const SheetStock* stock = FindSheetStock(name)) return *stock;
    if (name.starts_with("custom:")) return Custom(name, name.substr(7));
    if (name.starts_with("roll:")) return Roll(name, name.substr(5));
    return "unknown label stock '" + std::string(name) +
           "' (see --sheet list, or give custom:... or roll:WxH)";
}

} // namespace zindra
