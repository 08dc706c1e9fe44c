#include "ui/FaceGeometry.h"

#include <array>

namespace zindra {
namespace {

constexpr double MmPerPoint = 25.4 / 72.0;
// EAN/UPC nominal X-dimension (100 % magnification) and its usual range, 80 to 200 %.
constexpr double EanUpcNominalMm = 0.33;

// Indexed by Symbology, in its order. PostNet's "module" is its bar, 0.02 in at 18 pt.
constexpr std::array<FaceGeometry, 8> Geometry{{
    /* Interleaved 2 of 5 */ {0.05, 10, 0.19, 0},
    /* Code 39            */ {0.05, 10, 0.19, 0},
    /* Code 93            */ {0.05, 10, 0.19, 0},
    /* Code 128           */ {0.05, 10, 0.19, 0},
    /* Codabar            */ {0.05, 10, 0.19, 0},
    /* EAN                */ {0.05, 11, 0.8 * EanUpcNominalMm, 2.0 * EanUpcNominalMm},
    /* PostNet            */ {0.08, 6.25, 0.381, 0.635},
    /* UPC                */ {0.05, 9, 0.8 * EanUpcNominalMm, 2.0 * EanUpcNominalMm},
}};

} // namespace

FaceGeometry GeometryOf(Symbology symbology) { return Geometry[static_cast<std::size_t>(symbology)]; }

double XDimensionMm(Symbology symbology, double pointSize) {
    return GeometryOf(symbology).ModuleEm * pointSize * MmPerPoint;
}

} // namespace zindra
