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
    // 117 x 0.33867 mm wide, 66 x 0.33867 high (D: 58 + 8 modules); 58 / 69.24.
    {Symbology::Ean, 24, u"!ABCDEF|012345]",
     "39.6 mm wide, 22.4 mm high, X 0.34 mm, 103 %: bars at 83 % of the standard height: for "
     "hand-held scanners only"},
    // Both warnings, in one line.
    {Symbology::Ean, 12, u"!ABCDEF|012345]",
     "19.8 mm wide, 11.2 mm high, X 0.17 mm, 51 %: too small to scan reliably; bars at 83 % of "
     "the standard height: for hand-held scanners only"},
    // 113 modules of 1.016 mm: 308 % of nominal.
    {Symbology::Upc, 144, u"!ABCDE|01234Q",
     "114.8 mm wide, 67.1 mm high, X 1.02 mm, 308 %: above 200 %; bars at 83 % of the standard "
     "height: for hand-held scanners only"},
    // X 0.113 mm, below 0.19; 25 modules are 2.8 mm.
    {Symbology::Code39, 8, u"*CODE39W*",
     "18.4 mm wide, 2.8 mm high, X 0.11 mm: too small to scan reliably; bars shorter than 6.35 mm: "
     "for hand-held scanners only"},
};

TEST(SizeAdvice, OneLineWithItsWarning) {
    for (const LineRow& row : LineRows) {
        BarOptions choices;
        choices.symbology = row.symbology;
        const SizeAdvice advice = AdviseSize(choices, row.fontString, row.pointSize);
        EXPECT_EQ(test::Show(SizeAdviceLine(advice, SizeWarning(advice))), row.line);
    }
}

struct HeightWarningRow {
    Symbology symbology;
    FontType fontType;
    char letter;
    int pointSize;
    std::u16string fontString;
    const char* warning;
};

// At 24 points X is 0.33867 mm: 6.35 mm is 18.75 modules. "*CODE39W*" is 163 modules
// with its quiet zones (15 %: 24.45 modules, 8.28 mm), "*CODE393W*" 179 (26.85, 9.09
// mm), "*1*" 67 (10.05 modules, under 6.35 mm).
const HeightWarningRow HeightWarningRows[] = {
    // EAN/UPC against 69.24 modules, rounded down: E's 70 are the full height.
    {Symbology::Ean, FontType::Standard, 'E', 24, u"!ABCDEF|012345]", ""},
    {Symbology::Ean, FontType::Standard, 'F', 24, u"!ABCDEF|012345]", ""}, // shows E
    {Symbology::Upc, FontType::Standard, 'E', 48, u"!ABCDE|01234Q", ""},
    {Symbology::Ean, FontType::Standard, 'A', 24, u"!ABCDEF|012345]",
     "bars at 34 % of the standard height: for hand-held scanners only"}, // 24 modules
    {Symbology::Upc, FontType::HumanReadable, 'B', 48, u"[ABCDEF]0",
     "bars at 50 % of the standard height: for hand-held scanners only"}, // 35
    {Symbology::Ean, FontType::Standard, 'C', 24, u"!ABCDEF|012345]",
     "bars at 67 % of the standard height: for hand-held scanners only"}, // 47
    // 15 % of the width governs: C's 19 modules are short, D's 25 are not.
    {Symbology::Code39, FontType::Standard, 'C', 24, u"*CODE39W*",
     "bars shorter than 8.3 mm (15 % of the width): for hand-held scanners only"},
    {Symbology::Code39, FontType::Standard, 'D', 24, u"*CODE39W*", ""},
    // One character more and D is short too.
    {Symbology::Code39, FontType::HumanReadable, 'D', 24, u"*CODE393W*",
     "bars shorter than 9.1 mm (15 % of the width): for hand-held scanners only"},
    // 6.35 mm governs a short symbol: B's 12 modules are 4.1 mm, C's 19 are 6.43.
    {Symbology::Code39, FontType::Standard, 'B', 24, u"*1*",
     "bars shorter than 6.35 mm: for hand-held scanners only"},
    {Symbology::Code39, FontType::Standard, 'C', 24, u"*1*", ""},
    // At 16 points C's bars are 4.3 mm.
    {Symbology::Code39, FontType::Standard, 'C', 16, u"*1*",
     "bars shorter than 6.35 mm: for hand-held scanners only"},
    // The bearers do not count: B's bars are 12 modules (4.1 mm), 20 with the bearers.
    {Symbology::Interleaved25, FontType::Itf14, 'B', 24, u"|~{!}~|",
     "bars shorter than 6.35 mm: for hand-held scanners only"},
    {Symbology::Interleaved25, FontType::Itf14, 'C', 24, u"|~{!}~|", ""},
    // PostNet's bars (3.2 mm) keep the heights of their own standard.
    {Symbology::PostNet, FontType::Standard, 'D', 18, u"(1)", ""},
};

TEST(SizeAdvice, WarnsOfBarsLowerThanTheStandardsAsk) {
    for (const HeightWarningRow& row : HeightWarningRows) {
        BarOptions choices;
        choices.symbology = row.symbology;
        choices.fontType = row.fontType;
        choices.FontSize = row.letter;
        EXPECT_EQ(test::Show(SizeWarning(AdviseSize(choices, row.fontString, row.pointSize))),
                  row.warning)
            << static_cast<int>(row.symbology) << " " << row.letter << " " << row.pointSize << " "
            << test::Show(row.fontString);
    }
}

} // namespace
} // namespace zindra
