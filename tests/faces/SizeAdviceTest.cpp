#include "faces/SizeAdvice.h"

#include "tests/TestText.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zindra {
namespace {

const SampleFace& Face(const std::string& name) {
    static const auto faces = AllSampleFaces();
    for (const SampleFace& face : faces)
        if (face.Name == name) return face;
    throw std::invalid_argument(name);
}

struct WidthRow {
    const char* face;
    std::u16string fontString;
    double modules; // first bar to last bar, by hand from the patterns
};

const WidthRow WidthRows[] = {
    // 9 characters of 16 modules; the last one's gap is blank.
    {"Tessary 39 d", u"*CODE39W*", 143},
    // Start 1+1+1+1, pair 00 nnnnwwwwnn = 18, stop 3+1+1.
    {"Tessary 25i d", u"{!}", 27},
    // The bearers run over the box sides (4 each) and the quiet zones (12 each).
    {"Tessary ITF14 d", u"|~{!}~|", 59},
    // UPC-E: the outside digit and the check digit are text, not bars: 3 + 42 + 6.
    {"Tessary UPCE d", u"[ABCDEF]0", 51},
    // EAN-13: the first digit sits in the quiet zone; 3 + 42 + 5 + 42 + 3.
    {"Tessary EAN d", u"!ABCDEF|012345]", 95},
    // Frame, five bars, frame: 6 pitches of 9/4 modules and a bar of 1.
    {"Tessary Postal", u"(1)", 14.5},
    // Characters the face lacks print nothing.
    {"Tessary 39 d", u"\u00FF", 0},
};

TEST(SizeAdvice, SymbolWidthInModules) {
    for (const WidthRow& row : WidthRows)
        EXPECT_DOUBLE_EQ(SymbolWidthModules(Face(row.face), row.fontString), row.modules)
            << row.face << " " << test::Show(row.fontString);
}

struct LineRow {
    Symbology symbology;
    int pointSize;
    std::u16string fontString;
    const char* line;
};

const LineRow LineRows[] = {
    // 117 x 0.33867 mm wide, 30 x 0.33867 high.
    {Symbology::Ean, 24, u"!ABCDEF|012345]", "39.6 mm wide, 10.2 mm high, X 0.34 mm, 103 %"},
    {Symbology::Ean, 12, u"!ABCDEF|012345]",
     "19.8 mm wide, 5.1 mm high, X 0.17 mm, 51 %: too small to scan reliably"},
    // 113 modules of 1.016 mm: 308 % of nominal.
    {Symbology::Upc, 144, u"!ABCDE|01234Q",
     "114.8 mm wide, 30.5 mm high, X 1.02 mm, 308 %: above 200 %"},
    // X 0.113 mm, below 0.19.
    {Symbology::Code39, 8, u"*CODE39W*",
     "18.4 mm wide, 1.9 mm high, X 0.11 mm: too small to scan reliably"},
};

TEST(SizeAdvice, OneLineWithItsWarning) {
    for (const LineRow& row : LineRows) {
        BarOptions choices;
        choices.symbology = row.symbology;
        EXPECT_EQ(test::Show(SizeAdviceLine(AdviseSize(choices, row.fontString, row.pointSize))),
                  row.line);
    }
}

} // namespace
} // namespace zindra
