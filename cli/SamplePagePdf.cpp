#include "cli/SamplePagePdf.h"

#include "cli/QtSession.h"
#include "cli/WholeFile.h"
#include "output/SamplePage.h"
#include "output/qt/InstalledFace.h"
#include "output/qt/SamplePainter.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

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

std::optional<WriteFailure> WriteSamplePagePdf(const BarOptions& options, const BarResult& result,
                                               const std::string& path, bool a4) {
    const QtSession session;
    const SamplePageInput page =
        SamplePageInputOf(options, result.FontString, result.SumsText, result.HumanText);
    if (auto missing = MissingFace(page.FaceName)) return WriteFailure{std::move(*missing)};
    const QByteArray pdf = PagePdf(page, a4);
    // The PDF is made in memory, so a file that could not be written to the end
    // (a full disc) is told apart from one that was, and is not left behind.
    if (auto why = WriteWholeFile(
            path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size()))))
        return WriteFailure{std::move(*why)};
    return std::nullopt;
}

} // namespace zindra::cli
