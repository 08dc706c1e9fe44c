#include "cli/PngSample.h"

#include "cli/QtSession.h"
#include "cli/WholeFile.h"
#include "faces/FaceGeometry.h"
#include "faces/SampleFaceName.h"
#include "output/qt/InstalledFace.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>

namespace zindra::cli {
namespace {

constexpr int QuietModules = 10;
constexpr int HumanLineNumerator = 7; // the human-readable line is 7/24 of the point size
constexpr int HumanLineDenominator = 24;
constexpr char HumanLineFace[] = "Arial";
// Beyond this QPainter's raster engine and memory use stop being sensible.
constexpr int MaxSide = 32767;
constexpr long long MaxPixels = 256LL * 1024 * 1024;
constexpr int InkLevel = 128; // a grey below this counts as ink
// Readers lose a narrow element of one pixel between its neighbours.
constexpr int MinNarrowPixels = 2;

int PointsToPixels(int points, int dpi) {
    return static_cast<int>((static_cast<long long>(points) * dpi + 36) / 72);
}

QFont BarFont(const QString& face, int pixels) {
    QFont font(face);
    font.setPixelSize(pixels);
    // Whole-pixel advances and no grey edges keep every bar a solid block;
    // no merging keeps a glyph the face lacks from coming from another font.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    return font;
}

// The narrow element of the symbology's faces at `pixels` per em, in pixels.
double NarrowPixels(Symbology symbology, int pixels) {
    return GeometryOf(symbology).ModuleEm * pixels;
}

// Refuses a size whose narrow element would be under MinNarrowPixels, naming
// the smallest point size that reaches it at this resolution.
std::optional<WriteFailure> TooSmall(Symbology symbology, int points, int dpi) {
    const double narrow = NarrowPixels(symbology, PointsToPixels(points, dpi));
    if (narrow >= MinNarrowPixels) return std::nullopt;
    int smallest = points;
    while (NarrowPixels(symbology, PointsToPixels(smallest, dpi)) < MinNarrowPixels)
        ++smallest;
    char pixels[16];
    std::snprintf(pixels, sizeof pixels, "%.2g", narrow);
    return WriteFailure{"the narrow bar would be " + std::string(pixels) + " pixels wide at " +
                            std::to_string(dpi) + " dpi, too narrow to scan; use " +
                            std::to_string(smallest) + " points or more at this resolution",
                        SomeRecordFailed};
}

bool IsInk(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < InkLevel;
}

// The smallest box holding every ink pixel of rows [top, bottom).
QRect InkBounds(const QImage& image, int top, int bottom) {
    int left = image.width(), right = -1, first = -1, last = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsInk(image, x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                if (first < 0) first = y;
                last = y;
            }
    if (right < 0) return {};
    return QRect(QPoint(left, first), QPoint(right, last));
}

// The narrowest bar or space along one row through the bars, from the first
// bar to the last: the narrow module as this face and size draw it.
int NarrowestRun(const QImage& image, const QRect& bars) {
    const int y = bars.top() + bars.height() / 4; // above any human-readable digits
    int first = -1, last = -1;
    for (int x = bars.left(); x <= bars.right(); ++x)
        if (IsInk(image, x, y)) {
            if (first < 0) first = x;
            last = x;
        }
    if (first < 0) return 1;
    int narrowest = last - first + 1;
    int runStart = first;
    for (int x = first + 1; x <= last + 1; ++x)
        if (x == last + 1 || IsInk(image, x, y) != IsInk(image, x - 1, y)) {
            narrowest = std::min(narrowest, x - runStart);
            runStart = x;
        }
    return narrowest;
}

struct Lines {
    QString bars;
    QString human; // empty without a human-readable line
};

Lines SplitSample(const std::u16string& sample) {
    const auto feed = sample.find(u'\n');
    const auto first = sample.substr(0, feed);
    Lines lines{QString::fromUtf16(first.data(), static_cast<qsizetype>(first.size())), {}};
    if (feed != std::u16string::npos) {
        const auto rest = sample.substr(feed + 1);
        lines.human = QString::fromUtf16(rest.data(), static_cast<qsizetype>(rest.size()));
    }
    return lines;
}

std::optional<std::string> Render(const BarOptions& options, const BarResult& result,
                                  const std::string& path, int dpi) {
    const std::string faceName = SampleFaceName(options);
    const QString face = QString::fromStdString(faceName);
    if (auto missing = MissingFace(faceName)) return missing;

    const Lines lines = SplitSample(result.SampleText);
    const QFont barFont = BarFont(face, PointsToPixels(result.SampleSize, dpi));
    const QFontMetrics barMetrics(barFont);
    QFont humanFont(QString::fromLatin1(HumanLineFace));
    const int humanPoints =
        std::max(1, result.SampleSize * HumanLineNumerator / HumanLineDenominator);
    humanFont.setPixelSize(PointsToPixels(humanPoints, dpi));
    const QFontMetrics humanMetrics(humanFont);

    // Draw with room to spare around the text, then cut to the ink.
    const long long pad = barFont.pixelSize();
    const long long width = std::max(barMetrics.horizontalAdvance(lines.bars),
                                     humanMetrics.horizontalAdvance(lines.human)) +
                            2 * pad;
    const long long barsHeight = barMetrics.ascent() + barMetrics.descent();
    const long long height =
        barsHeight + (lines.human.isEmpty() ? 0 : humanMetrics.height()) + 2 * pad;
    if (width > MaxSide || height > MaxSide || width * height > MaxPixels)
        return "the image would be " + std::to_string(width) + " x " + std::to_string(height) +
               " pixels; lower the point size or --dpi";

    QImage canvas(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (canvas.isNull()) return std::string("not enough memory for the image");
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setPen(Qt::black);
        painter.setFont(barFont);
        const int baseline = static_cast<int>(pad) + barMetrics.ascent();
        painter.drawText(static_cast<int>(pad), baseline, lines.bars);
        if (!lines.human.isEmpty()) {
            painter.setFont(humanFont);
            painter.drawText(static_cast<int>(pad),
                             baseline + barMetrics.descent() + humanMetrics.ascent(), lines.human);
        }
    }

    const QRect bars = InkBounds(canvas, 0, static_cast<int>(pad + barsHeight));
    const QRect ink = InkBounds(canvas, 0, canvas.height());
    if (bars.isNull()) return "the face \"" + faceName + "\" drew nothing for the sample";
    // One more pixel per module covers the rounding of a hinted module width.
    const int margin = QuietModules * (NarrowestRun(canvas, bars) + 1);

    QImage image(ink.width() + 2 * margin, ink.height() + 2 * margin, QImage::Format_RGB32);
    if (image.isNull()) return std::string("not enough memory for the image");
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.drawImage(QPoint(margin, margin), canvas, ink);
    }
    QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    gray.setDotsPerMeterX(dotsPerMeter);
    gray.setDotsPerMeterY(dotsPerMeter);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!gray.save(&buffer, "PNG")) return std::string("cannot encode the image as PNG");
    return WriteWholeFile(path,
                          std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

} // namespace

std::optional<WriteFailure> WriteSamplePng(const BarOptions& options, const BarResult& result,
                                           const std::string& path, int dpi) {
    if (auto tooSmall = TooSmall(options.symbology, result.SampleSize, dpi)) return tooSmall;
    const QtSession session;
    if (auto why = Render(options, result, path, dpi)) return WriteFailure{std::move(*why)};
    return std::nullopt;
}

} // namespace zindra::cli
