#include "output/LabelTemplate.h"

#include "output/RtfWriter.h"

namespace zindra {
namespace {

// Inside a label, keep pasted text this far from its left and right edges.
constexpr int CellPadding = 72;

std::string Number(const char* word, int value) {
    return std::string("\\") + word + std::to_string(value);
}

std::string PageSetup(const LabelStock& stock) {
    const int sideMargin =
        (LetterWidth - stock.Columns * stock.LabelWidth - (stock.Columns - 1) * stock.ColumnGap) /
        2;
    const int topMargin = (LetterHeight - stock.Rows * stock.LabelHeight) / 2;
    // A word processor needs room for the paragraph that must follow a table;
    // half the sheet's bottom margin keeps it on the first page.
    return Number("paperw", LetterWidth) + Number("paperh", LetterHeight) +
           Number("margl", sideMargin) + Number("margr", sideMargin) + Number("margt", topMargin) +
           Number("margb", topMargin / 2) + "\n";
}

std::string RowDefinition(const LabelStock& stock) {
    std::string row = "\\trowd\\trgaph0\\trleft0" + Number("trrh", -stock.LabelHeight);
    int right = 0;
    for (int column = 0; column < stock.Columns; ++column) {
        if (column > 0) {
            right += stock.ColumnGap;
            row += Number("cellx", right);
        }
        right += stock.LabelWidth;
        // Word, and LibreOffice after it, read \clpadt as the left padding and
        // \clpadl as the top one, the other way round from the RTF names.
        row += "\\clvertalc" + Number("clpadt", CellPadding) + "\\clpadft3" +
               Number("clpadr", CellPadding) + "\\clpadfr3" + Number("cellx", right);
    }
    return row + "\n";
}

std::string RowCells(const LabelStock& stock) {
    std::string cells;
    for (int column = 0; column < stock.Columns; ++column) {
        if (column > 0) cells += "\\pard\\intbl\\cell";
        cells += "\\pard\\intbl\\qc\\cell";
    }
    return cells + "\\row\n";
}

} // namespace

std::string LabelTemplateRtf(const LabelStock& stock) {
    std::string rtf = RtfHeader({"Arial"}) + PageSetup(stock);
    const std::string row = RowDefinition(stock) + RowCells(stock);
    for (int r = 0; r < stock.Rows; ++r)
        rtf += row;
    // The paragraph that closes the document, one point high.
    rtf += "\\pard\\plain\\fs2\\par}";
    return rtf;
}

} // namespace zindra
