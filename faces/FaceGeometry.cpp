#include "faces/FaceGeometry.h"

#include "faces/PrintUnits.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zindra {
namespace {

// Indexed by Symbology, in its order. A module of 1/25 em is 4 dots at 24 points and
// 300 dpi (8 at 600), X = 0.339 mm, 103 % of the EAN nominal. UPC is set at twice the
// point size of the others (48), so its module is half as many em: at 48 points it
// prints exactly as EAN at 24. EAN/UPC keep to their usual range, 80 to 200 % of
// nominal. PostNet's "module" is its bar, 0.02 in at 18 pt.
constexpr std::array<FaceGeometry, 8> Geometry{{
    /* Interleaved 2 of 5 */ {0.04, 10, 0.19, 0},
    /* Code 39            */ {0.04, 10, 0.19, 0},
    /* Code 93            */ {0.04, 10, 0.19, 0},
    /* Code 128           */ {0.04, 10, 0.19, 0},
    /* Codabar            */ {0.04, 10, 0.19, 0},
    /* EAN                */ {0.04, 11, 0.8 * EanUpcNominalXmm, 2.0 * EanUpcNominalXmm},
    /* PostNet            */ {0.08, 6.25, 0.381, 0.635},
    /* UPC                */ {0.02, 9, 0.8 * EanUpcNominalXmm, 2.0 * EanUpcNominalXmm},
}};

// Bar heights in modules for the size letters A to F.
using HeightRow = std::array<double, 6>;
// The linear symbologies ask for bars of at least 15 % of the symbol's width (quiet
// zones included) or 6.35 mm, whichever is greater. At 24 points (X 0.339 mm) C is
// 6.4 mm, and D, E and F are 15 % of symbols 166, 206 and 246 modules wide: a six-
// character Code 39 with its check character, a ten-character Code 128, a ten-
// character Code 39 with its check character. A and B stay short for tight spaces.
// The bearer faces stand the same bars between their bearers; the Interleaved 2 of 5
// faces have no A (it shows F).
constexpr HeightRow LinearBars = {8, 12, 19, 25, 31, 37};
// EAN/UPC: E is the full height of the standard (69.24 modules, rounded up to whole
// modules); A to D are a third, a half, two thirds and five sixths of it, rounded up,
// for hand-held scanners where the package has no room. No F faces: F shows E.
constexpr HeightRow EanUpcBars = {24, 35, 47, 58, 70, 70};
// PostNet's one face: a full bar is 0.125 in at 18 pt.
constexpr HeightRow PostNetBars = {6.25, 6.25, 6.25, 6.25, 6.25, 6.25};

constexpr double BearerModules = 4;
constexpr double TextDropModules =
    8; // the digits, about 7 modules tall, end 1 module below the bars
constexpr double GuardDescentModules = 5;

// What each family draws besides its bars. A family not listed draws bars only,
// with text in its HR faces.
struct FamilyFigures {
    std::string_view family;
    const HeightRow* bars;
    double bearer;
    bool alwaysText; // the family's faces all carry text, whatever their name says
    double guardDescent;
};

constexpr std::array Families{
    FamilyFigures{"Bearer 25i", &LinearBars, BearerModules, false, 0},
    FamilyFigures{"ITF14", &LinearBars, BearerModules, false, 0},
    FamilyFigures{"Code 128ABhr", &LinearBars, 0, true, 0},
    FamilyFigures{"Code 128Chr", &LinearBars, 0, true, 0},
    FamilyFigures{"EAN", &EanUpcBars, 0, true, GuardDescentModules},
    FamilyFigures{"UPCA", &EanUpcBars, 0, true, GuardDescentModules},
    FamilyFigures{"UPCE", &EanUpcBars, 0, true, GuardDescentModules},
    FamilyFigures{"Postal", &PostNetBars, 0, false, 0},
};

constexpr FamilyFigures PlainLinear{"", &LinearBars, 0, false, 0};

const FamilyFigures& FiguresOf(std::string_view family) {
    const auto* found =
        std::find_if(Families.begin(), Families.end(),
                     [family](const FamilyFigures& f) { return f.family == family; });
    return found == Families.end() ? PlainLinear : *found;
}

} // namespace

FaceGeometry GeometryOf(Symbology symbology) {
    return Geometry[static_cast<std::size_t>(symbology)];
}

double XDimensionMm(Symbology symbology, double pointSize) {
    return GeometryOf(symbology).ModuleEm * PointsToMm(pointSize);
}

FaceHeights HeightsOf(const SampleFace& face) {
    const FamilyFigures& figures = FiguresOf(face.Family);
    const std::size_t letter = face.Size ? static_cast<std::size_t>(face.Size - 'a') : 0;
    const bool text = figures.alwaysText || face.HumanReadable;
    return {(*figures.bars)[letter], figures.bearer, text ? TextDropModules : 0,
            figures.guardDescent};
}

double FaceHeightEm(const SampleFace& face) {
    const FaceHeights h = HeightsOf(face);
    const double modules = h.Bar + 2 * h.Bearer + std::max(h.TextDrop, h.GuardDescent);
    return modules * GeometryOf(face.symbology).ModuleEm;
}

} // namespace zindra
