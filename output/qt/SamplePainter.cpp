#include "output/qt/SamplePainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QString>

namespace zindra {

void PaintSamplePage(QPaintDevice& device, const SamplePageInput& input) {
    const PageGrid grid = SamplePageGrid(device.logicalDpiX(), device.logicalDpiY());
    QPainter painter(&device);
    for (const PageText& text : LayoutSamplePage(input, grid)) {
        QFont font(QString::fromStdString(text.Face));
        font.setPointSize(text.PointSize);
        // Bars must sit where the font puts them: no kerning between glyphs.
        font.setKerning(false);
        painter.setFont(font);
        const qreal baseline = text.Y + QFontMetricsF(font, &device).ascent();
        painter.drawText(QPointF(text.X, baseline), QString::fromStdU16String(text.Text));
    }
}

} // namespace zindra
