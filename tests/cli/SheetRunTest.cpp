#include "tests/cli/RunProgram.h"
#include "tests/output/qt/PdfWords.h"

#include "tests/MissingTool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zindra::cli {
namespace {

using test::ReadFile;
using test::RunEncoder;
using test::ScratchFile;
using test::WriteFile;

TEST(SheetRun, ListNamesEveryStock) {
    const auto run = RunEncoder({"--sheet", "list"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    // The window's eight stocks, then the A4 ones.
    for (const char* name : {"5167 ", "6570 ", "5160 ", "5161 ", "5162 ", "5197 ", "5163 ", "5164 ",
                             "a4-63.5x38.1 ", "a4-70x37 ", "a4-99.1x38.1 "})
        EXPECT_NE(("\n" + run.Out).find(std::string("\n") + name), std::string::npos) << name;
    EXPECT_NE(run.Out.find("5160           Letter 2.625 x 1.000 in   66.7 x 25.4 mm  3 x 10 = 30"),
              std::string::npos)
        << run.Out;
}

TEST(SheetRun, InputAndOutputFaultsAreStatusTwoAndLeaveNoFile) {
    const std::string csv = ScratchFile("sheet.csv").string();
    const std::string pdf = ScratchFile("sheet.pdf").string();
    WriteFile(csv, "CODE39\n");
    std::filesystem::remove(pdf);

    const auto missing = RunEncoder({"--batch", csv + ".none", "--sheet", "5160", "--pdf", pdf});
    EXPECT_EQ(missing.Status, 2);
    EXPECT_FALSE(std::filesystem::exists(pdf));

    const std::string inMissingFolder = ScratchFile("no-such-folder").string() + "/a.pdf";
    const auto folder = RunEncoder({"--batch", csv, "--sheet", "5160", "--pdf", inMissingFolder});
    EXPECT_EQ(folder.Status, 2);
    EXPECT_NE(folder.Err.find("zindra-encode: cannot write '" + inMissingFolder +
                              "': No such file or directory"),
              std::string::npos)
        << folder.Err;

    const auto full = RunEncoder({"--batch", csv, "--sheet", "5160", "--pdf", "/dev/full"});
    EXPECT_EQ(full.Status, 2);
    EXPECT_NE(full.Err.find("zindra-encode: cannot write '/dev/full': "), std::string::npos)
        << full.Err;
    EXPECT_TRUE(std::filesystem::exists("/dev/full")) << "a device is never removed";
    EXPECT_EQ(full.Err.find("removed"), std::string::npos) << "nothing was removed: " << full.Err;
}

// Records that fail leave their labels empty, in their places, and are named by line.
TEST(SheetRun, FailedRecordsAreReportedByLineAndLeaveTheirLabelsEmpty) {
    if (!test::HavePdfToText()) ZINDRA_TOOL_MISSING("pdftotext is not installed");
    const std::string csv = ScratchFile("mixed.csv").string();
    const std::string pdf = ScratchFile("mixed.pdf").string();
    // Line 2 cannot be encoded; line 3 holds a quoted line break, so the
    // record after it starts on line 5 and is the one too long for 5167.
    WriteFile(csv, "AB\nab\n\"CD\",\"two\nlines\"\n" + std::string(60, 'X') + "\nEF\n");
    const auto run = RunEncoder({"--batch", csv, "--sheet", "5167", "--pdf", pdf});
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("zindra-encode: line 2: Error: input character \"a\" not legal"),
              std::string::npos)
        << run.Err;
    EXPECT_NE(
        run.Err.find("zindra-encode: line 5: does not fit the label with a narrow bar of at least"),
        std::string::npos)
        << run.Err;
    const auto words = test::ReadPdfWords(QString::fromStdString(pdf));
    // 5167: 4 labels of 1.75 x 0.5 in a row, 2.05 in apart from 0.3 in, rows
    // from 0.5 in: each word's label by its centre.
    std::vector<std::pair<int, std::string>> placed;
    for (const auto& word : words) {
        const int column = static_cast<int>(((word.xMin + word.xMax) / 2 / 72 - 0.3) / 2.05);
        const int row = static_cast<int>(((word.yMin + word.yMax) / 2 / 72 - 0.5) / 0.5);
        placed.emplace_back(row * 4 + column, word.text.toStdString());
    }
    std::sort(placed.begin(), placed.end());
    // Labels 1, 3 and 5, each with its data under the bars; the caption's
    // line break prints as a space.
    const std::vector<std::pair<int, std::string>> expected = {
        {0, "*AB*"},  {0, "AB"},  {2, "*CD*"}, {2, "CD"},
        {2, "lines"}, {2, "two"}, {4, "*EF*"}, {4, "EF"}};
    EXPECT_EQ(placed, expected);
}

// A spreadsheet's export as it comes: semicolons, a header row naming the
// columns in its own order, padded digits, an empty line at the end.
TEST(SheetRun, ReadsTheColumnsTheHeaderNames) {
    if (!test::HavePdfToText()) ZINDRA_TOOL_MISSING("pdftotext is not installed");
    const std::string csv = ScratchFile("export.csv").string();
    const std::string pdf = ScratchFile("export.pdf").string();
    WriteFile(csv, "Note;Item;GTIN\nfirst;Bolt;\" 96385074 \"\nsecond;Nut;12345670\n\n");
    // B: EAN bars of half the standard height fit a label an inch tall.
    const auto run = RunEncoder({"--batch", csv, "--sheet", "5160", "--pdf", pdf, "-s", "ean", "-z",
                                 "B", "--header", "--column", "GTIN", "--caption-column", "Item"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    std::vector<std::string> texts;
    for (const auto& word : test::ReadPdfWords(QString::fromStdString(pdf)))
        texts.push_back(word.text.toStdString());
    const auto has = [&texts](const char* text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    EXPECT_TRUE(has("Bolt") && has("Nut")) << "the captions, from the column named Item";
    for (const char* other : {"Note", "Item", "GTIN", "first", "second"})
        EXPECT_FALSE(has(other)) << other;
}

// A roll for a label printer: each record a page of the label's size, and a
// sheet described in millimetres puts its labels where it says.
TEST(SheetRun, RollsAndDescribedSheets) {
    if (!test::HavePdfToText()) ZINDRA_TOOL_MISSING("pdftotext is not installed");
    const std::string csv = ScratchFile("roll.csv").string();
    const std::string pdf = ScratchFile("roll.pdf").string();
    WriteFile(csv, "AB,first\nCD,second\nEF,third\n");
    auto run = RunEncoder({"--batch", csv, "--sheet", "roll:60x30", "--pdf", pdf});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto pages = test::ReadPdfPages(QString::fromStdString(pdf));
    ASSERT_EQ(pages.size(), 3u);
    for (const auto& page : pages) {
        EXPECT_NEAR(page.width, 60 * 72 / 25.4, 0.5);
        EXPECT_NEAR(page.height, 30 * 72 / 25.4, 0.5);
    }
    EXPECT_EQ(pages[2].words.back().text, "third");

    // Two labels 90 x 40 mm, the second 100 mm right of the first, from 10 mm in.
    run = RunEncoder({"--batch", csv, "--sheet", "custom:2x1,90x40,10,20,100x40", "--pdf", pdf});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto sheets = test::ReadPdfPages(QString::fromStdString(pdf));
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_NEAR(sheets[0].width, 210 * 72 / 25.4, 0.5); // A4 unless told
    for (const auto& word : sheets[0].words) {
        const double middle = (word.xMin + word.xMax) / 2 / 72 * 25.4;
        const bool first = word.text == "first" || word.text == "*AB*" || word.text == "AB";
        EXPECT_TRUE(first ? middle > 10 && middle < 100 : middle > 110 && middle < 200)
            << word.text.toStdString() << " at " << middle << " mm";
    }
}

// A caption of 50 308 characters and more vanished (the text layout's
// coordinates overflowed); now it is cut to its label's width.
TEST(SheetRun, ALongCaptionIsCutToItsLabel) {
    if (!test::HavePdfToText()) ZINDRA_TOOL_MISSING("pdftotext is not installed");
    const std::string csv = ScratchFile("caption.csv").string();
    const std::string pdf = ScratchFile("caption.pdf").string();
    WriteFile(csv, "AB," + std::string(60000, 'X') + "\n");
    const auto run = RunEncoder({"--batch", csv, "--sheet", "5160", "--pdf", pdf});
    EXPECT_EQ(run.Status, 0) << run.Err;
    const auto words = test::ReadPdfWords(QString::fromStdString(pdf));
    ASSERT_EQ(words.size(), 3u); // the bars, the data, the caption
    EXPECT_TRUE(words[2].text.startsWith(QStringLiteral("XXXXXXXX")));
    EXPECT_TRUE(words[2].text.endsWith(QChar(0x2026))) << "elided";
    // 5160: the first label spans 0.1875 to 2.8125 in.
    EXPECT_GE(words[2].xMin, 0.1875 * 72);
    EXPECT_LE(words[2].xMax, 2.8125 * 72);
}

// The line under the bars is what a person keys in: the data without the
// check character the symbology adds, the SCC-14 and SSCC-18 number with its
// application identifier in parentheses and its GS1 check digit (worked out
// by hand: weights 3 and 1 from the right); EAN and UPC faces print their
// own digits, so their labels get no second line.
TEST(SheetRun, TheDataUnderTheBarsIsWhatAPersonKeysIn) {
    if (!test::HavePdfToText()) ZINDRA_TOOL_MISSING("pdftotext is not installed");
    struct Row {
        std::vector<std::string> options;
        std::string data;
        std::string line; // empty: no line under the bars
    };
    const Row rows[] = {
        {{"-s", "code128", "-v", "2"}, "MG-2002", "MG-2002"}, // not "MG-20026"
        {{"-s", "code39", "-c"}, "CODE39", "CODE39"},         // not "CODE39W"
        {{"-s", "code93", "-c"}, "ABC", "ABC"},
        {{"-s", "i25", "-c"}, "1234567", "1234567"}, // not "12345670"
        {{"-s", "code128", "-v", "4"}, "1234567890123", "(01) 1 23 45678 90123 1"},
        {{"-s", "code128", "-v", "5"}, "12345678901234567", "(00) 12345678901234567 5"},
        // A face with its own text gives way to the bars-only face.
        {{"-s", "code39", "-t", "human"}, "HR", "HR"},
        {{"-s", "ean", "-v", "2"}, "400638133393", ""},
        {{"-s", "code39", "--no-text"}, "CODE39", ""},
    };
    for (const Row& row : rows) {
        const std::string csv = ScratchFile("line.csv").string();
        const std::string pdf = ScratchFile("line.pdf").string();
        WriteFile(csv, row.data + "\n");
        std::vector<std::string> args = row.options;
        for (const char* arg : {"--batch", "", "--sheet", "5160", "--pdf", ""})
            args.emplace_back(arg);
        args[args.size() - 5] = csv;
        args.back() = pdf;
        const auto run = RunEncoder(args);
        ASSERT_EQ(run.Status, 0) << row.data << ": " << run.Err;
        const auto words = test::ReadPdfWords(QString::fromStdString(pdf));
        ASSERT_FALSE(words.empty()) << row.data;
        // The bar code is the tallest word, set far larger than any text;
        // the others, left to right, are the line.
        auto sorted = words;
        const auto height = [](const auto& w) { return w.yMax - w.yMin; };
        std::sort(sorted.begin(), sorted.end(), [&](const auto& a, const auto& b) {
            return height(a) > height(b) || (height(a) == height(b) && a.xMin < b.xMin);
        });
        std::sort(sorted.begin() + 1, sorted.end(),
                  [](const auto& a, const auto& b) { return a.xMin < b.xMin; });
        std::string line;
        for (auto word = sorted.begin() + 1; word != sorted.end(); ++word)
            line += (line.empty() ? "" : " ") + word->text.toStdString();
        EXPECT_EQ(line, row.line) << row.data;
        EXPECT_EQ(run.Err.find("the face"), std::string::npos) << run.Err;
    }
}

// One narrow bar for the run unless told: a short and a long record print at
// the same size by default, each at its own with --fit each (the bar code's
// word is as tall as the size it is set at).
TEST(SheetRun, OneSizeForTheRunUnlessEachFitsAlone) {
    if (!test::HavePdfToText()) ZINDRA_TOOL_MISSING("pdftotext is not installed");
    const std::string csv = ScratchFile("sizes.csv").string();
    const std::string pdf = ScratchFile("sizes.pdf").string();
    WriteFile(csv, "AB\nABCDEFGHIJ\n");
    const std::pair<const char*, bool> rows[] = {{"--fit=sheet", true}, {"--fit=each", false}};
    for (const auto& [fit, same] : rows) {
        const auto run = RunEncoder({"--batch", csv, "--sheet", "5160", "--pdf", pdf, fit});
        ASSERT_EQ(run.Status, 0) << run.Err;
        std::vector<double> heights;
        for (const auto& word : test::ReadPdfWords(QString::fromStdString(pdf)))
            if (word.text.startsWith(QLatin1Char('*'))) heights.push_back(word.yMax - word.yMin);
        ASSERT_EQ(heights.size(), 2u) << fit;
        EXPECT_EQ(std::abs(heights[0] - heights[1]) < 0.01, same)
            << fit << ": " << heights[0] << " and " << heights[1];
    }
}

} // namespace
} // namespace zindra::cli
