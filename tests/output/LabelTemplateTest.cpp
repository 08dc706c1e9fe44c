#include "output/LabelTemplate.h"

#include "engine/Functions.h"

#include "tests/output/RtfReader.h"

#include <gtest/gtest.h>

#include <string>

namespace zindra {
namespace {

// The common US Letter sheets of each stock number, in twips, worked out from
// the label size and the count per sheet with the sheet centred on the page.
struct Sheet {
    const char* file;
    int labels;
    int sideMargin;
    int topMargin;
    std::vector<int> cellRights; // label, gap, label, ... from the left margin
    int rowHeight;
    int rows;
};

const Sheet Sheets[] = {
    // 4 x 1.75" across with 0.3" gaps: 0.3" margins; 20 x 0.5" down: 0.5".
    {"ot167.rtf", 80, 432, 720, {2520, 2952, 5472, 5904, 8424, 8856, 11376}, 720, 20},
    {"ot570.rtf", 32, 432, 720, {2520, 2952, 5472, 5904, 8424, 8856, 11376}, 1800, 8},
    // 3 x 2.625" with 1/8" gaps: 3/16" margins.
    {"ot060.rtf", 30, 270, 720, {3780, 3960, 7740, 7920, 11700}, 1440, 10},
    // 2 x 4" with a 3/16" gap: 5/32" margins.
    {"ot161.rtf", 20, 225, 720, {5760, 6030, 11790}, 1440, 10},
    // 7 x 1 1/3" down: 5/6" top margin.
    {"ot162.rtf", 14, 225, 1200, {5760, 6030, 11790}, 1920, 7},
    {"ot197.rtf", 12, 225, 1440, {5760, 6030, 11790}, 2160, 6},
    {"ot163.rtf", 10, 225, 720, {5760, 6030, 11790}, 2880, 5},
    {"ot164.rtf", 6, 225, 720, {5760, 6030, 11790}, 4800, 3},
};

int Value(const std::vector<std::string>& words, const std::string& name) {
    for (const auto& w : words)
        if (w.rfind(name, 0) == 0 && w.size() > name.size() &&
            (std::isdigit(static_cast<unsigned char>(w[name.size()])) || w[name.size()] == '-'))
            return std::stoi(w.substr(name.size()));
    return -1;
}

const LabelStock* StockFor(const char* file) {
    for (const auto& stock : LabelStocks)
        if (std::string(stock.TemplateFile) == file) return &stock;
    return nullptr;
}

TEST(LabelTemplate, TableMatchesTheSheet) {
    for (const auto& sheet : Sheets) {
        const LabelStock* stock = StockFor(sheet.file);
        ASSERT_NE(stock, nullptr) << sheet.file;
        EXPECT_EQ(std::u16string(stock->PerSheet), AsciiToU16(std::to_string(sheet.labels)))
            << sheet.file;

        const auto words = test::ReadRtf(LabelTemplateRtf(*stock)).ControlWords;
        EXPECT_EQ(Value(words, "paperw"), 12240) << sheet.file;
        EXPECT_EQ(Value(words, "paperh"), 15840) << sheet.file;
        EXPECT_EQ(Value(words, "margl"), sheet.sideMargin) << sheet.file;
        EXPECT_EQ(Value(words, "margr"), sheet.sideMargin) << sheet.file;
        EXPECT_EQ(Value(words, "margt"), sheet.topMargin) << sheet.file;
        // The table and the paragraph after it fit above the bottom margin.
        EXPECT_LT(Value(words, "margb"), 15840 - sheet.topMargin - sheet.rows * sheet.rowHeight)
            << sheet.file;

        std::vector<int> rights;
        int rows = 0, labelCells = 0;
        for (const auto& w : words) {
            if (w == "trowd") rights.clear();
            if (w.rfind("cellx", 0) == 0) rights.push_back(std::stoi(w.substr(5)));
            if (w == "row") ++rows;
            if (w == "qc") ++labelCells;
            if (w.rfind("trrh", 0) == 0) {
                EXPECT_EQ(w, "trrh-" + std::to_string(sheet.rowHeight)) << sheet.file;
            }
        }
        EXPECT_EQ(rights, sheet.cellRights) << sheet.file;
        EXPECT_EQ(rows, sheet.rows) << sheet.file;
        EXPECT_EQ(labelCells, sheet.labels) << sheet.file;
        // The written table spans the written page from margin to margin.
        ASSERT_FALSE(rights.empty()) << sheet.file;
        EXPECT_EQ(Value(words, "margl") + rights.back() + Value(words, "margr"),
                  Value(words, "paperw"))
            << sheet.file;
    }
}

} // namespace
} // namespace zindra
