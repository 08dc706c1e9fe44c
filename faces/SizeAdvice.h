#pragma once

#include "engine/BarOptions.h"
#include "faces/SampleFaceName.h"

#include <optional>
#include <string>
#include <string_view>

namespace zindra {

// How big a made bar code prints at its point size in its face.
struct SizeAdvice {
    double XDimensionMm = 0;
    double WidthMm = 0;  // the bars and the symbology's quiet zone on each side
    double HeightMm = 0; // the top of the bars (or bearer) to the foot of the text
    std::optional<double> MagnificationPercent; // EAN and UPC: X against the nominal 0.33 mm
    bool TooSmall = false;                      // X below the symbology's usual minimum
    bool TooLarge = false;                      // X above the symbology's usual maximum
    // EAN and UPC bars lower than the standard's: their height against it, in whole
    // per cent rounded down.
    std::optional<int> StandardHeightPercent;
    // Linear symbologies whose bars are lower than the standards recommend: that
    // lowest height in millimetres, and whether 15 % of the width set it.
    std::optional<double> ShortBarsBelowMm;
    bool ShortOfWidthShare = false;
};

// The width of `fontString` set in `face`, from its first bar to its last, in
// modules; 0 when it draws no bar.
double SymbolWidthModules(const SampleFace& face, std::u16string_view fontString);

// The same width in the face SampleFaceName names for `choices`; 0 when there is none.
double SymbolWidthModules(const BarOptions& choices, std::u16string_view fontString);

// The advice for a font string Make made from `choices`, set at `pointSize`
// points in the face SampleFaceName names for them.
SizeAdvice AdviseSize(const BarOptions& choices, std::u16string_view fontString, int pointSize);

// The same for a symbol `widthModules` wide: all the advice depends on, so bulk
// runs can keep it for records of equal width.
SizeAdvice AdviseSizeOfWidth(const BarOptions& choices, double widthModules, int pointSize);

// The plain warnings, in one text: X outside the usual range ("too small to scan
// reliably", ...), then bars too low for a fixed scanner ("bars at 48 % of the
// standard height: for hand-held scanners only"); empty when neither applies.
std::u16string SizeWarning(const SizeAdvice& advice);

// The advice in one line: "38.6 mm wide, 11.2 mm high, X 0.34 mm, 103 %", then
// ": " and `warning` when there is one.
std::u16string SizeAdviceLine(const SizeAdvice& advice, std::u16string_view warning);

} // namespace zindra
