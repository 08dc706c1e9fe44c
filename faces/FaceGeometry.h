#pragma once

#include "engine/BarOptions.h"
#include "faces/SampleFaceName.h"

namespace zindra {

// How big a face's bars print: one row per symbology, for the size advice, the
// fitting of labels and the font build. EAN, UPC and Bookland share the EAN/UPC
// figures; the font build takes each family's module from here.
struct FaceGeometry {
    double ModuleEm;         // one module (the narrow bar) in em
    double QuietZoneModules; // the quiet zone each side that the symbology asks for
    double MinXmm;           // the smallest X-dimension that scans reliably
    double MaxXmm;           // the largest usual X-dimension; 0 when there is none
};

FaceGeometry GeometryOf(Symbology symbology);

// The EAN/UPC X-dimension at 100 % magnification.
inline constexpr double EanUpcNominalXmm = 0.33;
// The EAN-13/UPC-A main bars at full height: 22.85 mm at the nominal X. The height
// scales with the magnification, so in modules it is the same at every size.
inline constexpr double EanUpcStandardBarModules = 69.24;

// The X-dimension, in millimetres, of the symbology's faces at pointSize points.
double XDimensionMm(Symbology symbology, double pointSize);

// The vertical figures of one face, in modules of its symbology. Bars stand on the
// baseline; a bearer frames them above and below; text hangs below the bars (and
// the lower bearer) with its baseline TextDrop modules down.
struct FaceHeights {
    double Bar;          // the size letter's bar height
    double Bearer;       // bearer bar thickness; 0 without bearers
    double TextDrop;     // from the foot of the bars or bearer to the text baseline; 0 without text
    double GuardDescent; // how far the EAN/UPC guard bars reach below the data bars; 0 elsewhere
};

FaceHeights HeightsOf(const SampleFace& face);

// The face's ink from the top of its bars (or upper bearer) to the foot of its
// text (or of its lowest bars), in em: what one printed line of it takes.
double FaceHeightEm(const SampleFace& face);

// The size of one font unit: every face has 1000 per em, and each family's
// module is a whole number of them.
inline constexpr int UnitsPerEm = 1000;

} // namespace zindra
