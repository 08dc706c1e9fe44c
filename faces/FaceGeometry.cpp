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

// Bar heights in modules for the size letters A to F. A row of the sample page's
// ladder leaves a face at most 1.44 em (1.2 em in the UPC ladder) from the top of its
// bars to the foot of its text; each row's tallest face stays 2 modules inside that.
using HeightRow = std::array<double, 6>;
constexpr HeightRow LinearBars = {8, 11, 14, 17, 20, 23};
// Bearer faces give 8 modules to their bearers, so their bars stand lower; the
// Interleaved 2 of 5 faces have no A (it shows F).
constexpr HeightRow BearerBars = {7, 9, 11, 13, 15, 17};
// EAN/UPC symbols carry their add-on digits above the add-on bars; no F faces.
constexpr HeightRow EanUpcBars = {13, 16, 19, 22, 25, 25};
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
    FamilyFigures{"Bearer 25i", &BearerBars, BearerModules, false, 0},
    FamilyFigures{"ITF14", &BearerBars, BearerModules, false, 0},
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
