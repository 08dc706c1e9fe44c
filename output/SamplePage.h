#pragma once

#include "engine/BarOptions.h"

#include <climits>
#include <functional>
#include <string>
#include <vector>

namespace zindra {

// What the sample page prints: the choices at print time with the data that Make
// read, and what Make made of them.
struct SamplePageInput {
    BarOptions Choices;        // symbology, variant, font type, Option2, OptionalChecksum, data
    std::u16string FontString; // the bar code as Make made it, without the sums
    std::u16string SumsText;   // the sums line of "Show checksums", without the bar code; or empty
    std::string FaceName;      // the sample face of the current choices
    std::u16string HumanText;  // the kept human-readable line of SCC-14 / SSCC-18 / GS1-128
};

// The page for `choices` (data included) and the font string and sums of the
// result Make made of them. Code 93 hands its stop character to the front of its
// sums, so everything of the sums before their first blank goes back to the bar code.
SamplePageInput SamplePageInputOf(const BarOptions& choices, std::u16string_view fontString,
                                  std::u16string_view sumsText, std::u16string humanText);

// One text of the page: its top-left corner in device units from the
// top-left corner of the printable area, its face and size.
struct PageText {
    int X = 0;
    int Y = 0;
    std::string Face;
    int PointSize = 0;
    std::u16string Text;

    bool operator==(const PageText&) const = default;
};

// The grid the page is laid out on, from the device's dots per inch: a row is
// 1.2 times a 12-point line, a column a tenth of an inch.
struct PageGrid {
    int RowUnit = 0;
    int ColumnUnit = 0;
    int DotsPerInchY = 0;
};

PageGrid SamplePageGrid(int dotsPerInchX, int dotsPerInchY);

// How much of the paper the ladder may take: the printable width and height and
// the width of the bar code at a point size, all in device units. By default
// everything fits.
struct SampleFit {
    int PrintableWidth = INT_MAX;
    int PrintableHeight = INT_MAX;
    std::function<int(int pointSize)> BarCodeWidth;
};

// What a ladder step prints in place of a bar code that would leave the paper.
inline constexpr char16_t TooWideNote[] = u"too wide for this paper";
inline constexpr char16_t TooTallNote[] = u"too tall for this paper";

// Every text of the sample page, in the order it is printed. The ladder's steps
// keep their fixed row advance unless a step reaches further down than that: then
// the following steps move down, so that every step stays clear of the next. A step
// whose bar code would run past the printable width keeps its caption and its place,
// and shows TooWideNote in the caption face rather than a clipped bar code; the
// first step whose bar code would run below the printable height shows TooTallNote
// the same way and ends the ladder, since every later step is taller still.
std::vector<PageText> LayoutSamplePage(const SamplePageInput& input, const PageGrid& grid,
                                       const SampleFit& fit = {});

} // namespace zindra
