// Opens each label template in LibreOffice the way a user would after
// pasting into every label, prints it to PDF and checks where the labels' text
// lands: centred on the labels of the sheet, all on one Letter page.

#include "output/LabelTemplate.h"

#include "tests/MissingTool.h"
#include "tests/output/qt/PdfWords.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace zindra {
namespace {

// Centre of the first label and the pitch between labels, in points, worked
// out from each sheet's margins and label size.
struct SheetCentres {
    const char* file;
    double x0, xPitch;
    int columns;
    double y0, yPitch;
    int rows;
};

const SheetCentres Sheets[] = {
    {"ot167.rtf", 84.6, 147.6, 4, 54, 36, 20},    {"ot570.rtf", 84.6, 147.6, 4, 81, 90, 8},
    {"ot060.rtf", 108, 198, 3, 72, 72, 10},       {"ot161.rtf", 155.25, 301.5, 2, 72, 72, 10},
    {"ot162.rtf", 155.25, 301.5, 2, 108, 96, 7},  {"ot197.rtf", 155.25, 301.5, 2, 126, 108, 6},
    {"ot163.rtf", 155.25, 301.5, 2, 108, 144, 5}, {"ot164.rtf", 155.25, 301.5, 2, 156, 240, 3},
};

// The template with an 8-point "R" in every label, as if pasted there.
QByteArray Filled(const LabelStock& stock) {
    return QByteArray::fromStdString(LabelTemplateRtf(stock))
        .replace("\\qc\\cell", "\\qc\\fs16 R\\cell");
}

const LabelStock& StockFor(const char* file) {
    for (const auto& stock : LabelStocks)
        if (QString(stock.TemplateFile) == file) return stock;
    throw std::runtime_error(file);
}

TEST(LabelTemplatePdf, LabelsLandOnTheSheetInAWordProcessor) {
    if (!test::HaveProgram("soffice") || !test::HavePdfToText())
        ZINDRA_TOOL_MISSING("no LibreOffice");
    QTemporaryDir dir;
    QStringList files;
    for (const auto& sheet : Sheets) {
        QFile file(dir.filePath(sheet.file));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Filled(StockFor(sheet.file)));
        files << file.fileName();
    }
    QProcess soffice;
    soffice.start("soffice", QStringList{"--headless", "--norestore",
                                         "-env:UserInstallation=file://" + dir.filePath("profile"),
                                         "--convert-to", "pdf", "--outdir", dir.filePath("pdf")} +
                                 files);
    ASSERT_TRUE(soffice.waitForFinished(120000));

    for (const auto& sheet : Sheets) {
        const QString pdf = dir.filePath("pdf/" + QString(sheet.file).replace(".rtf", ".pdf"));
        const auto pages = test::ReadPdfPages(pdf);
        ASSERT_EQ(pages.size(), 1u) << sheet.file;
        EXPECT_DOUBLE_EQ(pages[0].width, 612) << sheet.file;
        EXPECT_DOUBLE_EQ(pages[0].height, 792) << sheet.file;

        const auto& words = pages[0].words;
        ASSERT_EQ(words.size(), static_cast<std::size_t>(sheet.columns * sheet.rows)) << sheet.file;
        std::set<std::pair<int, int>> seen;
        for (const auto& w : words) {
            const double cx = (w.xMin + w.xMax) / 2, cy = (w.yMin + w.yMax) / 2;
            const int column = static_cast<int>((cx - sheet.x0) / sheet.xPitch + 0.5);
            const int row = static_cast<int>((cy - sheet.y0) / sheet.yPitch + 0.5);
            EXPECT_NEAR(cx, sheet.x0 + column * sheet.xPitch, 1.0) << sheet.file;
            EXPECT_NEAR(cy, sheet.y0 + row * sheet.yPitch, 1.0) << sheet.file;
            seen.insert({column, row});
        }
        EXPECT_EQ(seen.size(), words.size()) << sheet.file << ": two labels share a place";
    }
}

} // namespace
} // namespace zindra
