#pragma once

#include "engine/BarOptions.h"
#include "faces/SampleFaceName.h"
#include "output/SheetStocks.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zindra {

// Where a font string's ink lies when it is set at one point, from the pen
// position on the baseline (y grows downwards, so Top is negative). Measured
// from the face itself, so the layout follows whatever the face draws.
struct SymbolInk {
    double Left;
    double Top;
    double Width;
    double Height;
};

// One text line under the bar code, in points; all zero when there is none.
struct CaptionLine {
    double Ascent = 0;
    double Descent = 0;
};

// The lines under the bar code, top to bottom: the data as a person reads it,
// then the caption.
struct TextLines {
    CaptionLine Data;
    CaptionLine Caption;
};

// Where one label's bar code and texts go, in points from the page corner.
struct LabelPlacement {
    double PointSize;
    double PenX;     // the bar code's pen position
    double Baseline; // and its baseline
    double DataBaseline;
    double CaptionBaseline;
    // The printable area: the texts are centred in it and cut to its width.
    LabelBox Printable;
};

// The printer resolution whose dots the narrow bar is a whole number of
// unless told otherwise, so that a 300 dpi printer prints every module the
// same width. Thermal label printers are 203 dpi.
inline constexpr int DefaultPrinterDpi = 300;

// Places a bar code in a label: at `pointSize` when one is given, otherwise
// at the largest size whose X-dimension is a whole number of dots of a
// `dotsPerInch` printer and that fits, with the symbology's quiet zones inside
// the label and the ink and texts inside its printable area. Returns why
// the bar code cannot be printed scannably in that label.
std::variant<LabelPlacement, std::string> PlaceLabel(const LabelBox& label, Symbology symbology,
                                                     const SymbolInk& ink, const TextLines& texts,
                                                     std::optional<double> pointSize,
                                                     int dotsPerInch = DefaultPrinterDpi);

// The narrow bar, in printer dots, of the size PlaceLabel chooses when it is
// given none; nothing when the bar code fits at no size that scans.
std::optional<int> LargestDots(const LabelBox& label, Symbology symbology, const SymbolInk& ink,
                               const TextLines& texts, int dotsPerInch = DefaultPrinterDpi);

// The point size at which the narrow bar of `symbology` is `dots` printer dots.
double PointSizeOfDots(Symbology symbology, int dots, int dotsPerInch = DefaultPrinterDpi);

// The faces a bar code of `choices` can be set in, one per size letter of its
// family, tallest first; a letter without a face of its own adds none.
std::vector<SampleFace> FacesByHeight(const BarOptions& choices);

// Of `faces` (tallest first), those whose bar code, as tall as the face table
// says, fits the height of `label` that `texts` leave at `pointSize`: the
// bars grow with the label up to the tallest letter, and no further.
std::vector<SampleFace> FacesThatFit(const std::vector<SampleFace>& faces, const LabelBox& label,
                                     const TextLines& texts, double pointSize);

} // namespace zindra
