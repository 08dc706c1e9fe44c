#pragma once

#include "output/LabelStocks.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zindra {

// The papers sheets come on, in points.
inline constexpr double A4Width = 210.0 * 72 / 25.4;
inline constexpr double A4Height = 297.0 * 72 / 25.4;
inline constexpr double LetterPaperWidth = LetterWidth * 72.0 / TwipsPerInch;
inline constexpr double LetterPaperHeight = LetterHeight * 72.0 / TwipsPerInch;

// A sheet of labels as a printer sees it; every length is in points (1/72 in).
// The labels sit in a grid centred on the page, which gives the margins the
// makers of these stocks print.
struct SheetStock {
    std::string Name; // "5160", "a4-63.5x38.1": what --sheet takes
    double PageWidth;
    double PageHeight;
    double LabelWidth;
    double LabelHeight;
    int Columns;
    int Rows;
    double ColumnGap; // between neighbouring labels of a row
    double RowGap;    // between neighbouring rows
    // Where the first label's top-left corner sits; none: the grid is centred.
    std::optional<double> Left = std::nullopt;
    std::optional<double> Top = std::nullopt;
};

// One label's rectangle on its page, from the page's top-left corner.
struct LabelBox {
    double Left;
    double Top;
    double Width;
    double Height;
};

// The Letter stocks of the Labels window (in its button order, the custom
// size left out), then the A4 stocks.
const std::vector<SheetStock>& SheetStocks();

// The stock named `name`, or nullptr.
const SheetStock* FindSheetStock(std::string_view name);
// The sheet of a Labels window size, or nullptr for the custom size.
const SheetStock* FindSheetStock(const LabelStock& size);

int LabelsPerSheet(const SheetStock& stock);

// Label `index` (0-based, reading order) of one sheet.
LabelBox LabelOnSheet(const SheetStock& stock, int index);

// The text of --sheet list: one stock a line with its paper, label size and grid.
std::string SheetStockList();

} // namespace zindra
