#include "output/SamplePage.h"

#include "tests/TestText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace zindra {
namespace {

using test::Show;
using test::U;

std::u16string Caption(int pointSize) {
    const std::string text = std::to_string(pointSize) + " points:";
    return {text.begin(), text.end()};
}

struct GridCase {
    int dpiX;
    int dpiY;
    int rowUnit;
    int columnUnit;
};

// Row: a 12-point line is 12 * dpi / 72 rounded, times 1.2 rounded down.
const GridCase GridCases[] = {
    {600, 600, 120, 60},    {300, 300, 60, 30},
    {1200, 1200, 240, 120}, {96, 96, 19, 9}, // 16 * 1.2 = 19.2
    {72, 72, 14, 7},                         // 12 * 1.2 = 14.4
    {200, 200, 39, 20},                      // 2400 / 72 = 33.3 -> 33; 39.6 -> 39
    {600, 300, 60, 60}, // rows follow the vertical, columns the horizontal resolution
};

TEST(SamplePageGrid, UnitsFollowTheResolution) {
    for (const auto& c : GridCases) {
        const PageGrid grid = SamplePageGrid(c.dpiX, c.dpiY);
        EXPECT_EQ(grid.RowUnit, c.rowUnit) << c.dpiX << "x" << c.dpiY;
        EXPECT_EQ(grid.ColumnUnit, c.columnUnit) << c.dpiX << "x" << c.dpiY;
    }
}

const PageGrid Grid600 = {120, 60, 600};

SamplePageInput Code39Input() {
    SamplePageInput input;
    input.Choices.symbology = Symbology::Code39;
    input.Choices.DataText = u"CODE39";
    input.FontString = u"*CODE39W*";
    input.FaceName = "Tessary 39 d";
    return input;
}

const PageText* Find(const std::vector<PageText>& page, std::u16string_view text) {
    const auto it =
        std::find_if(page.begin(), page.end(), [&](const PageText& t) { return t.Text == text; });
    return it == page.end() ? nullptr : &*it;
}

TEST(SamplePage, HeaderAndDescription) {
    const auto page = LayoutSamplePage(Code39Input(), Grid600);
    const auto* company = Find(page, u"Orvalle Type, Inc.");
    ASSERT_NE(company, nullptr);
    EXPECT_EQ(*company, (PageText{300, 240, "Arial", 24, u"Orvalle Type, Inc."}));

    const std::u16string description = u"Bar Code 3/9,  Data: CODE39    Typeface: Tessary 39 d";
    const auto* line = Find(page, description);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(*line, (PageText{300, 1440, "Arial", 12, description}));

    // Rows 4, 5 and 6: address in 14 points, phone and fax, web address.
    std::vector<std::pair<int, int>> header;
    for (const auto& t : page)
        if (t.Y > 240 && t.Y < 1440) header.push_back({t.Y, t.PointSize});
    EXPECT_EQ(header, (std::vector<std::pair<int, int>>{{480, 14}, {600, 12}, {720, 12}}));
    // The postal address on one line, its parts separated by commas.
    EXPECT_NE(Find(page, u"100 Sample Street, Suite 200, Exampleton, EX, 00000"), nullptr);
    const auto phone =
        std::find_if(page.begin(), page.end(), [](const PageText& t) { return t.Y == 600; });
    EXPECT_EQ(Show(phone->Text.substr(0, 7)), "Phone: ");
    EXPECT_NE(phone->Text.find(u"    Fax: "), std::u16string::npos);
}

SamplePageInput SccInput(FontType fontType) {
    SamplePageInput input;
    input.Choices.symbology = Symbology::Code128;
    input.Choices.VariantChoice = 4;
    input.Choices.fontType = fontType;
    input.Choices.Option2 = true;
    input.Choices.DataText = u"1061414100001";
    input.FontString = U("}\u00CE\"+^JJ!!4l~"); // 12 characters
    input.FaceName = "Tessary Code 128C d";
    input.HumanText = u" (01) 1 06 14141 00001 9";
    return input;
}

SamplePageInput Gs1Input(FontType fontType) {
    SamplePageInput input = SccInput(fontType);
    input.Choices.VariantChoice = 7;
    input.Choices.Option2 = false;
    input.Choices.DataText = u"[01]09501101530003[10]AB-123";
    input.FontString = U("\u00CB\u00C8\"*S,\"V!$+\u00C6BC.234d\u00CC"); // 20 characters
    input.FaceName = "Tessary Code 128ABC d";
    input.HumanText = u"(01)09501101530003(10)AB-123";
    return input;
}

struct HumanLineRow {
    SamplePageInput input;
    std::array<int, 6> x; // column (length + 15 + d) x 60 dots, d = -3, -1, 1, 3, 5, 8
    const char16_t* description;
};

const HumanLineRow HumanLineRows[] = {
    {SccInput(FontType::HumanReadable),
     {1440, 1560, 1680, 1800, 1920, 2100},
     u"Bar Code 128, SCC-14,  Data: 1061414100001    Typeface: Tessary Code 128C d"},
    // The faces draw no text: the element strings go under the bars, AIs in parentheses
    // even where the data gave brackets.
    {Gs1Input(FontType::HumanReadable),
     {1920, 2040, 2160, 2280, 2400, 2580},
     u"Bar Code 128, GS1-128,  Data: [01]09501101530003[10]AB-123    Typeface: Tessary Code "
     u"128ABC d"},
};

TEST(SamplePage, HumanReadableLineFollowsEachStep) {
    for (const HumanLineRow& row : HumanLineRows) {
        SCOPED_TRACE(row.input.FaceName);
        const auto page = LayoutSamplePage(row.input, Grid600);
        std::vector<PageText> lines;
        for (const auto& t : page)
            if (t.Text == row.input.HumanText) lines.push_back(t);

        // Arial at (28k + 112) / 24. One row under the top of the bar code unless the
        // bars reach further: then 12 dots under the bars, which reach 1 em (25 modules
        // of 1/25 em) down: ceil(n x 600 / 72) dots.
        const std::array<std::pair<int, int>, 6> yAndSize = {{
            {1800 + 134 + 12, 4}, // 133.3
            {2040 + 167 + 12, 5}, // 166.7
            {2280 + 200 + 12, 7},
            {2640 + 234 + 12, 8}, // 233.3
            {3000 + 267 + 12, 9}, // 266.7
            {3480 + 300 + 12, 10},
        }};
        std::vector<PageText> expected;
        for (std::size_t k = 0; k < yAndSize.size(); ++k)
            expected.push_back(
                {row.x[k], yAndSize[k].first, "Arial", yAndSize[k].second, row.input.HumanText});
        EXPECT_EQ(lines, expected);
        EXPECT_NE(Find(page, row.description), nullptr);
    }
}

// A bar code 100 dots wide per point, on paper with `width` printable dots from
// the bar code column (900 dots) onwards: the steps that do not fit show the
// note, at the bar code's place, and drop the SCC line; the others stay as they are.
struct FitCase {
    int printableWidth;
    std::vector<int> tooWide; // point sizes
};

const FitCase FitCases[] = {
    {900 + 3600, {}},       // 36 pt is 3600 dots: fits exactly
    {900 + 3599, {36}},     // one dot short
    {900 + 3000, {32, 36}}, // Letter's 32 and 36 pt rows of a long Code 39
    {900, {16, 20, 24, 28, 32, 36}},
};

TEST(SamplePage, StepsTooWideForThePaperKeepTheirPlaceAndSaySo) {
    const SamplePageInput input = SccInput(FontType::HumanReadable);
    const auto fitting = LayoutSamplePage(input, Grid600);
    for (const auto& c : FitCases) {
        SampleFit fit;
        fit.PrintableWidth = c.printableWidth;
        fit.BarCodeWidth = [](int pointSize) { return 100 * pointSize; };
        const auto page = LayoutSamplePage(input, Grid600, fit);

        // The page that fits, with each bar code too wide replaced by the note
        // and the SCC line under it left out.
        std::vector<PageText> expected;
        bool underNote = false;
        for (const auto& t : fitting) {
            const bool bars = t.Face == input.FaceName;
            if (bars && std::ranges::find(c.tooWide, t.PointSize) != c.tooWide.end()) {
                expected.push_back({t.X, t.Y, "Arial", 10, TooWideNote});
                underNote = true;
            } else if (!(underNote && t.Text == input.HumanText)) {
                expected.push_back(t);
                if (bars) underNote = false;
            }
        }
        EXPECT_EQ(page, expected) << c.printableWidth;
        EXPECT_EQ(std::ranges::count(page, std::u16string(TooWideNote), &PageText::Text),
                  static_cast<long>(c.tooWide.size()))
            << c.printableWidth;
    }
}

struct LadderRow {
    const char* face;
    Symbology symbology;
    double em;                  // the face's ink, top of the bars to the foot of the text
    std::vector<int> fixedRows; // the steps' rows while every face fits its row; or empty
};

// Worked from the faces' figures: bars, bearers and text drop in modules of 1/25 em
// (1/50 em in UPC).
const LadderRow LadderRows[] = {
    {"Tessary 39 a", Symbology::Code39, 0.32, {15, 17, 19, 22, 25, 29}}, // 8 modules
    {"Tessary 39 d", Symbology::Code39, 1.0, {15, 17, 19, 22, 25, 29}},  // 25: 36 pt in 4 rows
    {"Tessary 39 f HR", Symbology::Code39, 1.8, {}},                     // 37 + 8
    {"Tessary Bearer 25i f HR", Symbology::Interleaved25, 2.12, {}},     // 37 + 2 x 4 + 8
    {"Tessary EAN e", Symbology::Ean, 3.12, {}},                         // 70 + 8
    {"Tessary UPCA e", Symbology::Upc, 1.56, {}},                        // 70 + 8, half modules
    {"Tessary UPCE a", Symbology::Upc, 0.64, {15, 19, 23, 27, 32, 37}},  // 24 + 8
};

// Letter at 600 dpi, a quarter inch kept clear all round: 10.5 in.
constexpr int LetterPrintableHeight = 6300;

TEST(SamplePage, LadderStepsMoveDownRatherThanTouch) {
    for (const LadderRow& row : LadderRows) {
        SCOPED_TRACE(row.face);
        SamplePageInput input = Code39Input();
        input.Choices.symbology = row.symbology;
        input.FaceName = row.face;
        SampleFit fit;
        fit.PrintableHeight = LetterPrintableHeight;
        const auto page = LayoutSamplePage(input, Grid600, fit);
        std::vector<const PageText*> steps;
        for (const auto& t : page)
            if (t.Face == row.face) steps.push_back(&t);
        ASSERT_EQ(steps.size(), 6u);
        EXPECT_EQ(Find(page, TooTallNote), nullptr);
        for (std::size_t k = 0; k < steps.size(); ++k) {
            const double foot = steps[k]->Y + row.em * steps[k]->PointSize * 600 / 72;
            if (k + 1 < steps.size()) {
                EXPECT_GT(steps[k + 1]->Y, foot) << steps[k]->PointSize;
            } else {
                EXPECT_LE(foot, LetterPrintableHeight);
            }
            if (!row.fixedRows.empty()) {
                EXPECT_EQ(steps[k]->Y, row.fixedRows[k] * 120);
            }
            // Each caption stays on its bar code's line.
            const auto* caption = Find(page, Caption(steps[k]->PointSize));
            ASSERT_NE(caption, nullptr);
            EXPECT_EQ(caption->Y, steps[k]->Y);
        }
    }
}

// EAN e on paper 4000 dots tall: 16 pt ends at 1800 + 416, 20 pt at about 2228 + 520,
// 24 pt at about 2760 + 624; 28 pt, from about 3396, would end at 4124.
TEST(SamplePage, TheFirstStepTooTallForThePaperSaysSoAndEndsTheLadder) {
    SamplePageInput input = Code39Input();
    input.Choices.symbology = Symbology::Ean;
    input.FaceName = "Tessary EAN e";
    SampleFit fit;
    fit.PrintableHeight = 4000;
    const auto page = LayoutSamplePage(input, Grid600, fit);
    std::vector<int> barSizes;
    for (const auto& t : page)
        if (t.Face == input.FaceName) barSizes.push_back(t.PointSize);
    EXPECT_EQ(barSizes, (std::vector<int>{16, 20, 24}));
    ASSERT_GE(page.size(), 2u);
    const PageText& caption = page[page.size() - 2];
    const PageText& note = page.back();
    EXPECT_EQ(Show(caption.Text), "28 points:");
    EXPECT_EQ(note, (PageText{900, caption.Y, "Arial", 10, TooTallNote}));
    EXPECT_LT(caption.Y, 4000);
}

TEST(SamplePage, SumsPrintInTextAndLeaveTheBarCodeAndItsLineAlone) {
    SamplePageInput input = SccInput(FontType::HumanReadable);
    input.SumsText = u"Mod10: 9  Sum: 1105  Checksum: 75  ASCII: 108";
    const auto page = LayoutSamplePage(input, Grid600);
    const auto first =
        std::find_if(page.begin(), page.end(), [](const PageText& t) { return t.PointSize == 4; });
    ASSERT_NE(first, page.end());
    EXPECT_EQ(first->X, (12 + 15 - 3) * 60);
    const auto* sums = Find(page, input.SumsText);
    ASSERT_NE(sums, nullptr);
    EXPECT_EQ(*sums, (PageText{300, 14 * 120, "Arial", 10, input.SumsText}));
    for (const auto& t : page) {
        if (t.Face == "Tessary Code 128C d") {
            EXPECT_EQ(t.Text, input.FontString);
        }
    }
}

struct SplitRow {
    std::u16string fontString;
    std::u16string sums;
    std::u16string barCode;
    std::u16string sumsLine;
};

const SplitRow SplitRows[] = {
    // Code 93 moves its stop character to the front of its sums.
    {u"(ABC+X", u")   CSum: 6  Ksum: 7  CCheck: 8  KCheck: 9", u"(ABC+X)",
     u"CSum: 6  Ksum: 7  CCheck: 8  KCheck: 9"},
    {u"|ABC\u00E0~", u"   Sum: 203  Checksum: 21  ASCII: 53 5", u"|ABC\u00E0~",
     u"Sum: 203  Checksum: 21  ASCII: 53 5"},
    {u"*CODE39*", u"", u"*CODE39*", u""},
};

TEST(SamplePage, InputSplitsTheSumsFromTheBarCode) {
    BarOptions choices;
    for (const auto& row : SplitRows) {
        const SamplePageInput input = SamplePageInputOf(choices, row.fontString, row.sums, u"");
        EXPECT_EQ(Show(input.FontString), Show(row.barCode));
        EXPECT_EQ(Show(input.SumsText), Show(row.sumsLine));
        EXPECT_EQ(input.FaceName, "Tessary 39 d");
    }
}

struct ChecksumRow {
    Symbology symbology;
    FontType fontType;
    bool printed;
};

// The box is a check character only for Interleaved 2 of 5 (not ITF-14, where it
// is hidden) and Code 39; Code 128 captions it "No quotes?", others hide it.
const ChecksumRow ChecksumRows[] = {
    {Symbology::Code39, FontType::Standard, true},
    {Symbology::Interleaved25, FontType::HumanReadable, true},
    {Symbology::Interleaved25, FontType::Itf14, false},
    {Symbology::Code128, FontType::Standard, false},
    {Symbology::Code93, FontType::Standard, false},
    {Symbology::Codabar, FontType::Standard, false},
    {Symbology::Ean, FontType::Standard, false},
    {Symbology::Upc, FontType::Standard, false},
    {Symbology::PostNet, FontType::Standard, false},
};

TEST(SamplePage, IncludesChecksumOnlyWhereTheBoxAddsACheckCharacter) {
    for (const auto& row : ChecksumRows) {
        SamplePageInput input = Code39Input();
        input.Choices.symbology = row.symbology;
        input.Choices.fontType = row.fontType;
        input.Choices.OptionalChecksum = true;
        const auto page = LayoutSamplePage(input, Grid600);
        const auto* line = Find(page, u"Includes checksum");
        EXPECT_EQ(line != nullptr, row.printed) << static_cast<int>(row.symbology);
        const auto string = std::find_if(page.begin(), page.end(), [](const PageText& t) {
            return t.Text.starts_with(u"String to use");
        });
        ASSERT_NE(string, page.end());
        EXPECT_EQ(string->Y, (row.printed ? 14 : 13) * 120);
    }
}

TEST(SamplePage, NoHumanReadableLineWithoutItsFontTypeOrOutsideScc) {
    SamplePageInput subsetC = SccInput(FontType::HumanReadable);
    subsetC.Choices.VariantChoice = 3;
    // Auto shares the GS1-128 face but has no element strings to show.
    SamplePageInput autoVariant = Gs1Input(FontType::HumanReadable);
    autoVariant.Choices.VariantChoice = 6;
    for (const auto& input :
         {SccInput(FontType::Standard), subsetC, Gs1Input(FontType::Standard), autoVariant}) {
        const auto page = LayoutSamplePage(input, Grid600);
        EXPECT_EQ(Find(page, input.HumanText), nullptr) << input.Choices.VariantChoice;
    }
}

} // namespace
} // namespace zindra
