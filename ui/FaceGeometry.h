#pragma once

#include "engine/BarOptions.h"

namespace zindra {

// How big a face's bars print: one row per symbology, for the size advice, the
// fitting of labels and the font build. EAN, UPC and Bookland share the EAN/UPC
// figures; the font build takes each family's module from here.
struct FaceGeometry {
    double ModuleEm;          // one module (the narrow bar) in em
    double QuietZoneModules;  // the quiet zone each side that the symbology asks for
    double MinXmm;            // the smallest X-dimension that scans reliably
    double MaxXmm;            // the largest usual X-dimension; 0 when there is none
};

FaceGeometry GeometryOf(Symbology symbology);

// The X-dimension, in millimetres, of the symbology's faces at pointSize points.
double XDimensionMm(Symbology symbology, double pointSize);

} // namespace zindra
