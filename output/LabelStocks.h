#pragma once

#include "product/LabelChoices.h"

#include <array>

namespace zindra {

// Sheet geometry is in twips (1/1440 inch) on US Letter paper, the unit RTF
// measures in.
inline constexpr int TwipsPerInch = 1440;
inline constexpr int LetterWidth = 17 * TwipsPerInch / 2;
inline constexpr int LetterHeight = 11 * TwipsPerInch;

// One row of the Labels window: a label size, its sheet and its template.
struct LabelStock {
    const char* Button;          // the radio button, "L1" to "L9"
    const char16_t* Caption;     // the size in inches as the window shows it
    const char16_t* PerSheet;    // labels per sheet as the window shows it
    const char16_t* StockNumber; // the label stock number as the window shows it
    const char* TemplateFile;    // in the template folder
    // The sheet the template is laid out for; all zero for the user's own.
    int LabelWidth;
    int LabelHeight;
    int Columns;
    int Rows;
    int ColumnGap; // between neighbouring labels of a row; rows touch
};

// The nine sizes in button order. The sheets are centred on the page, which
// gives the margins of the common sheets of these stock numbers.
inline constexpr std::array<LabelStock, CustomLabelSize> LabelStocks = {{
    {"L1", u"1.75 x 0.50", u"80", u"5167", "ot167.rtf", 2520, 720, 4, 20, 432},
    {"L2", u"1.75 x 1.25", u"32", u"6570", "ot570.rtf", 2520, 1800, 4, 8, 432},
    {"L3", u"2.625 x 1.00", u"30", u"5160", "ot060.rtf", 3780, 1440, 3, 10, 180},
    {"L4", u"4.00 x 1.00", u"20", u"5161", "ot161.rtf", 5760, 1440, 2, 10, 270},
    {"L5", u"4.00 x 1.33", u"14", u"5162", "ot162.rtf", 5760, 1920, 2, 7, 270},
    {"L6", u"4.00 x 1.50", u"12", u"5197", "ot197.rtf", 5760, 2160, 2, 6, 270},
    {"L7", u"4.00 x 2.00", u"10", u"5163", "ot163.rtf", 5760, 2880, 2, 5, 270},
    {"L8", u"4.00 x 3.33", u"6", u"5164", "ot164.rtf", 5760, 4800, 2, 3, 270},
    {"L9", u"Custom", u"User defined", u"---", "custom.rtf", 0, 0, 0, 0, 0},
}};

// The size checked when the program starts: L4.
inline constexpr int DefaultLabelSize = 4;

// Whether a stock's template ships with the product (the custom one is the user's).
constexpr bool ShipsTemplate(const LabelStock& stock) {
    return stock.Columns > 0;
}

} // namespace zindra
