#include "output/qt/SamplePainter.h"

#include "faces/FaceGeometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>

#include <cmath>

namespace zindra {
namespace {

// No text face draws a control character, so the font fallback would find
// one in a bar face; the page shows it as its code instead.
QString ShownText(const std::u16string& text) {
    QString shown;
    for (const char16_t c : text) {
        if (QChar(c).category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(static_cast<unsigned>(c), 2, 16, QLatin1Char('0'));
        else
            shown += QChar(c);
    }
    return shown;
}

// Bars must sit where the font puts them: no kerning between glyphs, and no
// glyph from another font.
QFont PageFont(const PageText& text, bool bars) {
    QFont font(QString::fromStdString(text.Face));
    font.setPointSize(text.PointSize);
    font.setKerning(false);
    if (bars) font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace

void PaintSamplePage(QPaintDevice& device, const SamplePageInput& input) {
    const PageGrid grid = SamplePageGrid(device.logicalDpiX(), device.logicalDpiY());
    const QString barCode = QString::fromStdU16String(input.FontString);
    SampleFit fit;
    fit.PrintableWidth = device.width();
    fit.PrintableHeight = device.height();
    // A bar code scans only with its quiet zone clear, so that is on the paper too.
    const FaceGeometry geometry = GeometryOf(input.Choices.symbology);
    const double quietZoneEm = geometry.QuietZoneModules * geometry.ModuleEm;
    fit.BarCodeWidth = [&](int pointSize) {
        const PageText bars{0, 0, input.FaceName, pointSize, input.FontString};
        const QFontMetricsF metrics(PageFont(bars, true), &device);
        const double dotsPerEm = pointSize * device.logicalDpiX() / 72.0;
        return static_cast<int>(
            std::ceil(metrics.horizontalAdvance(barCode) + quietZoneEm * dotsPerEm));
    };
    QPainter painter(&device);
    for (const PageText& text : LayoutSamplePage(input, grid, fit)) {
        const bool bars = text.Face == input.FaceName;
        const QFont font = PageFont(text, bars);
        painter.setFont(font);
        const qreal baseline = text.Y + QFontMetricsF(font, &device).ascent();
        painter.drawText(QPointF(text.X, baseline),
                         bars ? QString::fromStdU16String(text.Text) : ShownText(text.Text));
    }
}

} // namespace zindra
