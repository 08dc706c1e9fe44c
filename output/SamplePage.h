#pragma once

#include "engine/BarOptions.h"

#include <string>
#include <vector>

namespace zindra {

// What the sample page reads from the main window at print time.
struct SamplePageInput {
    BarOptions Choices;        // symbology, variant, font type, Option2, OptionalChecksum, data
    std::u16string BarTextOut; // the font string as Make left it, sums included
    std::string FaceName;      // the sample face of the current choices
    std::u16string HumanText;  // the kept human-readable line of SCC-14 / SSCC-18
};

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
};

PageGrid SamplePageGrid(int dotsPerInchX, int dotsPerInchY);

// Every text of the sample page, in the order it is printed.
std::vector<PageText> LayoutSamplePage(const SamplePageInput& input, const PageGrid& grid);

} // namespace zindra
