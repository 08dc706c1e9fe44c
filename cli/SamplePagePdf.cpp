#include "cli/SamplePagePdf.h"

#include "fonts/appfonts/AppFonts.h"
#include "output/SamplePage.h"
#include "output/qt/SamplePainter.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <cstdlib>
#include <fstream>

namespace zindra::cli {
namespace {

constexpr int Resolution = 600;
constexpr double MarginInches = 0.25;

QByteArray PagePdf(const SamplePageInput& input, bool a4) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(Resolution);
        writer.setTitle(QString());
        const QPageSize paper(a4 ? QPageSize::A4 : QPageSize::Letter);
        const double margin = MarginInches * 72;
        writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait,
                                         QMarginsF(margin, margin, margin, margin),
                                         QPageLayout::Point));
        PaintSamplePage(writer, input);
    }
    return buffer.data();
}

} // namespace

std::optional<std::string> WriteSamplePagePdf(const BarOptions& options, const BarResult& result,
                                              const std::string& path, bool a4) {
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
    int argc = 1;
    char name[] = "zindra-encode";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    RegisterBarCodeFonts();
    const QByteArray pdf = PagePdf(
        SamplePageInputOf(options, result.FontString, result.SumsText, result.HumanText), a4);
    // The PDF is made in memory, so a file that could not be written to the end
    // (a full disc) is told apart from one that was.
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(pdf.constData(), pdf.size());
    file.close();
    if (!file) return "cannot write '" + path + "'";
    return std::nullopt;
}

} // namespace zindra::cli
