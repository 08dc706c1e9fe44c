#include "output/qt/SheetPrint.h"

#include "engine/EncodeRequest.h"
#include "engine/Utf8.h"
#include "faces/SampleFaceName.h"
#include "output/LabelStocks.h"
#include "output/LabelText.h"
#include "tests/output/qt/PdfWords.h"

#include <QPrinter>
#include <QTemporaryDir>

#include "tests/MissingTool.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

constexpr double Inch = 72.0;

// What the print dialog's "Print to File (PDF)" hands the Labels window.
std::optional<std::string> PrintToPdf(const QString& pdf, const LabelStock& size,
                                      const BarOptions& options) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setFullPage(true);
    printer.setOutputFileName(pdf);
    const RequestOutcome outcome = EncodeRequest(options);
    const BarResult& result = std::get<BarResult>(outcome.Outcome);
    return PrintFullSheet(printer, *FindSheetStock(size),
                          {options.symbology, SampleFaceName(options), result.FontString,
                           result.SampleSize,
                           HumanReadableLine(options.symbology, options.VariantChoice,
                                             ToUtf8(outcome.DataText), ToUtf8(result.HumanText))});
}

BarOptions Code39(std::u16string data, FontType fontType = FontType::Standard) {
    BarOptions options;
    options.symbology = Symbology::Code39;
    options.OptionalChecksum = true;
    options.fontType = fontType;
    options.DataText = std::move(data);
    return options;
}

// The bars' own words (the bar face's characters) and, under each, the data
// line without the check character W, unless the face prints text itself.
TEST(SheetPrint, EveryLabelOfTheSheetHoldsTheBarCodeAndItsDataLine) {
    if (!test::HavePdfToText()) ZINDRA_TOOL_MISSING("pdftotext is not installed");
    for (const FontType fontType : {FontType::Standard, FontType::HumanReadable}) {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("sheet.pdf");
        ASSERT_EQ(PrintToPdf(pdf, LabelStocks[6], Code39(u"CODE39", fontType)), std::nullopt); // L7
        const auto pages = test::ReadPdfPages(pdf);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_NEAR(pages[0].width, 8.5 * Inch, 0.5);
        EXPECT_NEAR(pages[0].height, 11 * Inch, 0.5);
        std::vector<test::PdfWord> bars;
        int dataLines = 0;
        for (const test::PdfWord& word : pages[0].words) {
            if (word.text == "*CODE39W*")
                bars.push_back(word);
            else if (word.text == "CODE39")
                ++dataLines;
            else
                ADD_FAILURE() << word.text.toStdString();
        }
        EXPECT_EQ(dataLines, fontType == FontType::Standard ? 10 : 0);
        ASSERT_EQ(bars.size(), 10u);
        // 5163: 2 x 5 labels of 4 x 2 in, 0.15625 in from the left, 0.5 in from the
        // top, 4.1875 in from one column to the next.
        for (std::size_t i = 0; i < bars.size(); ++i) {
            const test::PdfWord& word = bars[i];
            const double left = (0.15625 + (i % 2) * 4.1875) * Inch;
            const double top = (0.5 + static_cast<double>(i / 2) * 2) * Inch;
            EXPECT_GT(word.xMin, left) << i;
            EXPECT_LT(word.xMax, left + 4 * Inch) << i;
            EXPECT_GT(word.yMin, top) << i;
            EXPECT_LT(word.yMax, top + 2 * Inch) << i;
            // Centred across the label.
            EXPECT_NEAR((word.xMin + word.xMax) / 2, left + 2 * Inch, 1.0) << i;
        }
    }
}

TEST(SheetPrint, ABarCodeTooLongForTheLabelIsRefused) {
    QTemporaryDir dir;
    const auto why = PrintToPdf(dir.filePath("long.pdf"), LabelStocks[0], // L1, 5167
                                Code39(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"));
    ASSERT_TRUE(why.has_value());
    EXPECT_EQ(why->rfind("The bar code does not fit the label", 0), 0u) << *why;
    EXPECT_EQ(FindSheetStock(LabelStocks[8]), nullptr); // the custom size has no sheet
}

} // namespace
} // namespace zindra
