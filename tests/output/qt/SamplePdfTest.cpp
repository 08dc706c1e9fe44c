#include "output/qt/SamplePainter.h"

#include "tests/MissingTool.h"
#include "tests/output/qt/PdfWords.h"

#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::PdfWord;

constexpr double PointsPerDot = 72.0 / 600.0;

std::vector<PdfWord> RenderAndRead(const SamplePageInput& input,
                                   QPageSize::PageSizeId paper = QPageSize::A4) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("sample.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(paper));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(600);
        printer.setFullPage(true); // the printable area starts at the page corner
        printer.setOutputFileName(pdf);
        PaintSamplePage(printer, input);
    }
    return test::ReadPdfWords(pdf);
}

SamplePageInput Code39Input() {
    SamplePageInput input;
    input.Choices.symbology = Symbology::Code39;
    input.Choices.DataText = u"CODE39";
    input.FontString = u"*CODE39W*";
    input.FaceName = "Tessary 39 d";
    return input;
}

struct Caption {
    int pointSize;
    int row;
};

// Checks that the captions "<n> points:" stand at x = 300 dots with their tops
// on the expected rows of 120 dots, in page order.
void ExpectCaptions(const std::vector<PdfWord>& words, const std::vector<Caption>& expected,
                    const char* what) {
    std::vector<const PdfWord*> found;
    for (std::size_t i = 0; i + 1 < words.size(); ++i)
        if (words[i + 1].text == "points:") found.push_back(&words[i]);
    ASSERT_EQ(found.size(), expected.size()) << what;
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i]->text.toInt(), expected[i].pointSize) << what;
        EXPECT_NEAR(found[i]->xMin, 300 * PointsPerDot, 0.01) << what;
        EXPECT_NEAR(found[i]->yMin, expected[i].row * 120 * PointsPerDot, 0.5)
            << what << " " << expected[i].pointSize;
    }
}

const PdfWord* FindWord(const std::vector<PdfWord>& words, const QString& text) {
    for (const auto& w : words)
        if (w.text == text) return &w;
    return nullptr;
}

class SamplePdf : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!test::HavePdfToText()) ZINDRA_TOOL_MISSING("pdftotext is not installed");
    }
};

TEST_F(SamplePdf, TextsStandAtTheirRowsAndColumns) {
    const auto words = RenderAndRead(Code39Input());

    const auto* company = FindWord(words, "Orvalle");
    ASSERT_NE(company, nullptr);
    EXPECT_NEAR(company->xMin, 300 * PointsPerDot, 0.01);

    // The font string line at row 13: its top at 1560 dots.
    const auto* string = FindWord(words, "String");
    ASSERT_NE(string, nullptr);
    EXPECT_NEAR(string->xMin, 36.0, 0.01);
    EXPECT_NEAR(string->yMin, 1560 * PointsPerDot, 0.5);

    ExpectCaptions(words, {{16, 15}, {20, 17}, {24, 19}, {28, 22}, {32, 25}, {36, 29}}, "Code 39");

    // The bar codes start at column 15, 900 dots, one on each caption's row.
    std::vector<int> barCodeRows;
    for (const auto& w : words)
        if (std::abs(w.xMin - 900 * PointsPerDot) < 0.01)
            barCodeRows.push_back(static_cast<int>(w.yMin / (120 * PointsPerDot) + 0.5));
    EXPECT_EQ(barCodeRows, (std::vector<int>{15, 17, 19, 22, 25, 29}));
}

struct PageCase {
    const char* what;
    Symbology symbology;
    bool checksum;
    std::vector<Caption> captions;
};

const PageCase PageCases[] = {
    {"UPC", Symbology::Upc, false, {{40, 15}, {44, 19}, {48, 23}, {52, 27}, {56, 32}, {60, 37}}},
    {"PostNet", Symbology::PostNet, false, {{18, 15}}},
    {"Code 39 with its checksum line",
     Symbology::Code39,
     true,
     {{16, 16}, {20, 18}, {24, 20}, {28, 23}, {32, 26}, {36, 30}}},
};

TEST_F(SamplePdf, LaddersPerSymbology) {
    for (const auto& c : PageCases) {
        SamplePageInput input = Code39Input();
        input.Choices.symbology = c.symbology;
        input.Choices.OptionalChecksum = c.checksum;
        const auto words = RenderAndRead(input);
        ExpectCaptions(words, c.captions, c.what);
        const auto* string = FindWord(words, "String");
        ASSERT_NE(string, nullptr);
        EXPECT_NEAR(string->yMin, (c.checksum ? 14 : 13) * 120 * PointsPerDot, 0.5) << c.what;
        EXPECT_EQ(FindWord(words, "Includes") != nullptr, c.checksum) << c.what;
    }
}

// A long Code 39 on Letter: the 36 point bar code would run past the paper's
// edge (612 points), so that step says so instead, on its own row.
TEST_F(SamplePdf, BarCodesTooWideForThePaperAreNotClipped) {
    SamplePageInput input = Code39Input();
    input.Choices.DataText = u"ABCDEFGHIJKLMNOPQRST";
    input.FontString = u"*ABCDEFGHIJKLMNOPQRST*";
    const auto words = RenderAndRead(input, QPageSize::Letter);
    ExpectCaptions(words, {{16, 15}, {20, 17}, {24, 19}, {28, 22}, {32, 25}, {36, 29}}, "Letter");
    std::vector<int> noteRows;
    for (const auto& w : words) {
        EXPECT_LE(w.xMax, 612.0) << w.text.toStdString();
        if (w.text == "too") {
            EXPECT_NEAR(w.xMin, 900 * PointsPerDot, 0.01);
            noteRows.push_back(static_cast<int>(w.yMin / (120 * PointsPerDot) + 0.5));
        }
    }
    EXPECT_EQ(noteRows, (std::vector<int>{29}));
    EXPECT_NE(FindWord(words, "*ABCDEFGHIJKLMNOPQRST*"), nullptr); // the steps that fit
}

TEST_F(SamplePdf, TitleCarriesUccEan) {
    SamplePageInput input = Code39Input();
    input.Choices.symbology = Symbology::Code128;
    input.Choices.VariantChoice = 2;
    input.Choices.Option2 = true;
    input.FaceName = "Tessary Code 128AB d";
    const auto words = RenderAndRead(input);
    QStringList line;
    for (const auto& w : words)
        if (std::abs(w.yMin - 1440 * PointsPerDot) < 0.5) line << w.text;
    EXPECT_EQ(line.join(' '),
              "Bar Code 128, subset B UCC/EAN, Data: CODE39 Typeface: Tessary Code 128AB d");
}

} // namespace
} // namespace zindra
