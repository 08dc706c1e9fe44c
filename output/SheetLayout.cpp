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
constexpr double CaptionGap = 1.5; // points between the bars and the caption
// Rounding of the sizes worked out from dots and millimetres.
constexpr double Slack = 1e-9;

struct Fit {
    const LabelBox& label;
    const FaceGeometry& geometry;
    const SymbolInk& ink;
    const CaptionLine& caption;
    double dot; // one printer dot, in points

    double CaptionHeight() const {
        const double line = caption.Ascent + caption.Descent;
        return line > 0 ? CaptionGap + line : 0;
    }
    double XPoints(double size) const { return geometry.ModuleEm * size; }
    bool Fits(double size) const {
        const double side = std::max(geometry.QuietZoneModules * XPoints(size), LabelInset);
        return ink.Width * size + 2 * side <= label.Width + Slack &&
               ink.Height * size + CaptionHeight() <= label.Height - 2 * LabelInset + Slack;
    }
    LabelPlacement Place(double size) const {
        const double blockTop =
            label.Top + (label.Height - ink.Height * size - CaptionHeight()) / 2;
        const double left = label.Left + (label.Width - ink.Width * size) / 2 - ink.Left * size;
        // On the dot grid, so each module covers whole printer dots.
        return {size,
                std::round(left / dot) * dot,
                blockTop - ink.Top * size,
                blockTop + ink.Height * size + CaptionGap + caption.Ascent,
                {label.Left + LabelInset, label.Top + LabelInset, label.Width - 2 * LabelInset,
                 label.Height - 2 * LabelInset}};
    }
};

std::string Describe(const char* format, double value) {
    char text[160];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

std::variant<LabelPlacement, std::string>
PlaceLabel(const LabelBox& label, Symbology symbology, const SymbolInk& ink,
           const CaptionLine& caption, std::optional<double> pointSize, int dotsPerInch) {
    const double dot = PointsPerInch / dotsPerInch;
    const FaceGeometry geometry = GeometryOf(symbology);
    const Fit fit{label, geometry, ink, caption, dot};
    const double minX = MmToPoints(geometry.MinXmm);
    if (pointSize) {
        if (fit.XPoints(*pointSize) + Slack < minX)
            return Describe("at this point size the narrow bar is below %.2f mm and would not scan",
                            geometry.MinXmm);
        if (!fit.Fits(*pointSize)) return std::string("does not fit the label at this point size");
        return fit.Place(*pointSize);
    }
    if (ink.Width <= 0 || geometry.ModuleEm <= 0) return std::string("the face drew nothing");
    // No bar code is wider than its label, which bounds the dots to try.
    double largest = label.Width / ink.Width;
    if (geometry.MaxXmm > 0)
        largest = std::min(largest, MmToPoints(geometry.MaxXmm) / geometry.ModuleEm);
    for (double dots = std::floor(fit.XPoints(largest) / dot + Slack); dots >= 1; --dots) {
        const double size = dots * dot / geometry.ModuleEm;
        if (fit.XPoints(size) + Slack < minX) break;
        if (fit.Fits(size)) return fit.Place(size);
    }
    return Describe("does not fit the label with a narrow bar of at least %.2f mm",
                    geometry.MinXmm);
}

} // namespace zindra
