#include "output/SheetStocks.h"

#include "faces/PrintUnits.h"
#include "output/LabelStocks.h"

#include <array>
#include <cstdio>

namespace zindra {
namespace {

// Common A4 stocks, named by their label size in millimetres; rows touch.
struct A4Stock {
    const char* Name;
    double WidthMm;
    double HeightMm;
    int Columns;
    int Rows;
    double ColumnGapMm;
};
constexpr std::array<A4Stock, 4> A4Stocks{{
    {"a4-63.5x38.1", 63.5, 38.1, 3, 7, 2.5},
    {"a4-70x37", 70.0, 37.0, 3, 8, 0.0},
    {"a4-99.1x38.1", 99.1, 38.1, 2, 7, 2.5},
    {"a4-38.1x21.2", 38.1, 21.2, 5, 13, 2.5},
}};

double FromTwips(int twips) {
    return twips * PointsPerInch / TwipsPerInch;
}

std::string Narrow(const char16_t* text) {
    std::string out;
    for (; *text; ++text)
        out.push_back(static_cast<char>(*text));
    return out;
}

std::vector<SheetStock> BuildStocks() {
    std::vector<SheetStock> stocks;
    // The window's stocks come from its own table, so the two cannot drift apart.
    for (const LabelStock& stock : LabelStocks)
        if (ShipsTemplate(stock))
            stocks.push_back({Narrow(stock.StockNumber), LetterPaperWidth, LetterPaperHeight,
                              FromTwips(stock.LabelWidth), FromTwips(stock.LabelHeight),
                              stock.Columns, stock.Rows, FromTwips(stock.ColumnGap), 0.0});
    for (const A4Stock& stock : A4Stocks)
        stocks.push_back({stock.Name, A4Width, A4Height, stock.WidthMm * PointsPerMm,
                          stock.HeightMm * PointsPerMm, stock.Columns, stock.Rows,
                          stock.ColumnGapMm * PointsPerMm, 0.0});
    return stocks;
}

} // namespace

const std::vector<SheetStock>& SheetStocks() {
    static const std::vector<SheetStock> stocks = BuildStocks();
    return stocks;
}

const SheetStock* FindSheetStock(std::string_view name) {
    for (const SheetStock& stock : SheetStocks())
        if (stock.Name == name) return &stock;
    return nullptr;
}

const SheetStock* FindSheetStock(const LabelStock& size) {
    return ShipsTemplate(size) ? FindSheetStock(Narrow(size.StockNumber)) : nullptr;
}

int LabelsPerSheet(const SheetStock& stock) {
    return stock.Columns * stock.Rows;
}

LabelBox LabelOnSheet(const SheetStock& stock, int index) {
    const double gridWidth =
        stock.Columns * stock.LabelWidth + (stock.Columns - 1) * stock.ColumnGap;
    const double gridHeight = stock.Rows * stock.LabelHeight + (stock.Rows - 1) * stock.RowGap;
    const int column = index % stock.Columns;
    const int row = index / stock.Columns;
    const double left = stock.Left.value_or((stock.PageWidth - gridWidth) / 2);
    const double top = stock.Top.value_or((stock.PageHeight - gridHeight) / 2);
    return {left + column * (stock.LabelWidth + stock.ColumnGap),
            top + row * (stock.LabelHeight + stock.RowGap), stock.LabelWidth, stock.LabelHeight};
}

std::string SheetStockList() {
    std::string text;
    for (const SheetStock& stock : SheetStocks()) {
        const bool letter = stock.PageHeight < A4Height;
        char line[160];
        std::snprintf(line, sizeof line,
                      "%-14s %-6s %5.3f x %5.3f in  %5.1f x %4.1f mm  %d x %2d = %2d labels\n",
                      stock.Name.c_str(), letter ? "Letter" : "A4",
                      stock.LabelWidth / PointsPerInch, stock.LabelHeight / PointsPerInch,
                      stock.LabelWidth / PointsPerMm, stock.LabelHeight / PointsPerMm,
                      stock.Columns, stock.Rows, LabelsPerSheet(stock));
        text += line;
    }
    return text;
}

} // namespace zindra
