#pragma once

#include "engine/BarOptions.h"
#include "output/SheetStocks.h"

#include <optional>
#include <string>
#include <variant>

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

// The text line under the bar code, in points; all zero when there is none.
struct CaptionLine {
    double Ascent = 0;
    double Descent = 0;
};

// Where one label's bar code and caption go, in points from the page corner.
struct LabelPlacement {
    double PointSize;
    double PenX;     // the bar code's pen position
    double Baseline; // and its baseline
    double CaptionBaseline;
    // The printable area: the caption is centred in it and cut to its width.
    LabelBox Printable;
};

// The printer resolution whose dots the narrow bar is a whole number of
// unless told otherwise, so that a 300 dpi printer prints every module the
// same width. Thermal label printers are 203 dpi.
inline constexpr int DefaultPrinterDpi = 300;

// Places a bar code in a label: at `pointSize` when one is given, otherwise
// at the largest size whose X-dimension is a whole number of dots of a
// `dotsPerInch` printer and that fits, with the symbology's quiet zones inside
// the label and the ink and caption inside its printable area. Returns why
// the bar code cannot be printed scannably in that label.
std::variant<LabelPlacement, std::string> PlaceLabel(const LabelBox& label, Symbology symbology,
                                                     const SymbolInk& ink,
                                                     const CaptionLine& caption,
                                                     std::optional<double> pointSize,
                                                     int dotsPerInch = DefaultPrinterDpi);

} // namespace zindra
