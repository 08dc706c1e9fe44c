#include "output/qt/SamplePainter.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>

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

} // namespace

std::optional<std::string> MissingSampleFace(const SamplePageInput& input) {
    const QString face = QString::fromStdString(input.FaceName);
    if (QFontInfo(QFont(face)).family() == face) return std::nullopt;
    return "the face \"" + input.FaceName + "\" is not installed";
}

void PaintSamplePage(QPaintDevice& device, const SamplePageInput& input) {
    const PageGrid grid = SamplePageGrid(device.logicalDpiX(), device.logicalDpiY());
    QPainter painter(&device);
    for (const PageText& text : LayoutSamplePage(input, grid)) {
        const bool bars = text.Face == input.FaceName;
        QFont font(QString::fromStdString(text.Face));
        font.setPointSize(text.PointSize);
        // Bars must sit where the font puts them: no kerning between glyphs,
        // and no glyph from another font.
        font.setKerning(false);
        if (bars) font.setStyleStrategy(QFont::NoFontMerging);
        painter.setFont(font);
        const qreal baseline = text.Y + QFontMetricsF(font, &device).ascent();
        painter.drawText(QPointF(text.X, baseline),
                         bars ? QString::fromStdU16String(text.Text) : ShownText(text.Text));
    }
}

} // namespace zindra
