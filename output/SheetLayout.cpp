#include "output/SheetLayout.h"

#include "faces/FaceGeometry.h"
#include "faces/PrintUnits.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zindra {
namespace {

// Label printers and die-cut sheets drift by about a millimetre; nothing but
// quiet zone goes nearer the edge than this.
constexpr double LabelInset = 0.05 * PointsPerInch;
constexpr double TextGap = 1.5; // points above each text line
// Rounding of the sizes worked out from dots and millimetres.
constexpr double Slack = 1e-9;
constexpr char Letters[] = "ABCDEF";

double LineHeight(const CaptionLine& line) {
    const double height = line.Ascent + line.Descent;
    return height > 0 ? TextGap + height : 0;
}

double TextHeight(const TextLines& texts) {
    return LineHeight(texts.Data) + LineHeight(texts.Caption);
}

// The height the texts leave the bar code.
double BarRoom(const LabelBox& label, const TextLines& texts) {
    return label.Height - 2 * LabelInset - TextHeight(texts);
}

struct Fit {
    const LabelBox& label;
    const FaceGeometry& geometry;
    const SymbolInk& ink;
    const TextLines& texts;
    double dot; // one printer dot, in points

    double XPoints(double size) const { return geometry.ModuleEm * size; }
    bool Fits(double size) const {
        const double side = std::max(geometry.QuietZoneModules * XPoints(size), LabelInset);
        return ink.Width * size + 2 * side <= label.Width + Slack &&
               ink.Height * size <= BarRoom(label, texts) + Slack;
    }
    LabelPlacement Place(double size) const {
        const double blockTop =
            label.Top + (label.Height - ink.Height * size - TextHeight(texts)) / 2;
        const double left = label.Left + (label.Width - ink.Width * size) / 2 - ink.Left * size;
        const double barsFoot = blockTop + ink.Height * size;
        const double dataTop = barsFoot + LineHeight(texts.Data);
        // On the dot grid, so each module covers whole printer dots.
        return {size,
                std::round(left / dot) * dot,
                blockTop - ink.Top * size,
                dataTop - texts.Data.Descent,
                dataTop + TextGap + texts.Caption.Ascent,
                {label.Left + LabelInset, label.Top + LabelInset, label.Width - 2 * LabelInset,
                 label.Height - 2 * LabelInset}};
    }
    // The whole dots of the largest narrow bar that fits, or 0.
    int LargestDots() const {
        if (ink.Width <= 0 || geometry.ModuleEm <= 0) return 0;
        const double minX = MmToPoints(geometry.MinXmm);
        // No bar code is wider than its label, which bounds the dots to try.
        double largest = label.Width / ink.Width;
        if (geometry.MaxXmm > 0)
            largest = std::min(largest, MmToPoints(geometry.MaxXmm) / geometry.ModuleEm);
        for (double dots = std::floor(XPoints(largest) / dot + Slack); dots >= 1; --dots) {
            const double size = dots * dot / geometry.ModuleEm;
            if (XPoints(size) + Slack < minX) break;
            if (Fits(size)) return static_cast<int>(dots);
        }
        return 0;
    }
};

std::string Describe(const char* format, double value) {
    char text[160];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

std::variant<LabelPlacement, std::string> PlaceLabel(const LabelBox& label, Symbology symbology,
                                                     const SymbolInk& ink, const TextLines& texts,
                                                     std::optional<double> pointSize,
                                                     int dotsPerInch) {
    const double dot = PointsPerInch / dotsPerInch;
    const FaceGeometry geometry = GeometryOf(symbology);
    const Fit fit{label, geometry, ink, texts, dot};
    if (pointSize) {
        if (fit.XPoints(*pointSize) + Slack < MmToPoints(geometry.MinXmm))
            return Describe("at this point size the narrow bar is below %.2f mm and would not scan",
                            geometry.MinXmm);
        if (!fit.Fits(*pointSize)) return std::string("does not fit the label at this point size");
        return fit.Place(*pointSize);
    }
    if (ink.Width <= 0 || geometry.ModuleEm <= 0) return std::string("the face drew nothing");
    if (const int dots = fit.LargestDots())
        return fit.Place(PointSizeOfDots(symbology, dots, dotsPerInch));
    return Describe("does not fit the label with a narrow bar of at least %.2f mm",
                    geometry.MinXmm);
}

std::optional<int> LargestDots(const LabelBox& label, Symbology symbology, const SymbolInk& ink,
                               const TextLines& texts, int dotsPerInch) {
    const FaceGeometry geometry = GeometryOf(symbology);
    const Fit fit{label, geometry, ink, texts, PointsPerInch / dotsPerInch};
    if (const int dots = fit.LargestDots()) return dots;
    return std::nullopt;
}

double PointSizeOfDots(Symbology symbology, int dots, int dotsPerInch) {
    return dots * (PointsPerInch / dotsPerInch) / GeometryOf(symbology).ModuleEm;
}

std::vector<SampleFace> FacesByHeight(const BarOptions& choices) {
    const std::vector<SampleFace> all = AllSampleFaces();
    std::vector<SampleFace> faces;
    BarOptions letter = choices;
    for (const char size : std::string_view(Letters)) {
        letter.FontSize = size;
        const std::string name = SampleFaceName(letter);
        const bool seen = std::any_of(faces.begin(), faces.end(),
                                      [&name](const SampleFace& f) { return f.Name == name; });
        const auto face = std::find_if(all.begin(), all.end(),
                                       [&name](const SampleFace& f) { return f.Name == name; });
        if (!seen && face != all.end()) faces.push_back(*face);
    }
    std::stable_sort(faces.begin(), faces.end(), [](const SampleFace& a, const SampleFace& b) {
        return FaceHeightEm(a) > FaceHeightEm(b);
    });
    return faces;
}

std::vector<SampleFace> FacesThatFit(const std::vector<SampleFace>& faces, const LabelBox& label,
                                     const TextLines& texts, double pointSize) {
    std::vector<SampleFace> fitting;
    const double room = BarRoom(label, texts);
    for (const SampleFace& face : faces)
        if (FaceHeightEm(face) * pointSize <= room + Slack) fitting.push_back(face);
    // The bars are never shorter than the shortest letter; whether that one
    // fits is for its measured ink to say.
    if (!faces.empty() && (fitting.empty() || fitting.back().Name != faces.back().Name))
        fitting.push_back(faces.back());
    return fitting;
}

} // namespace zindra
