#include "output/qt/SheetPainter.h"

#include "faces/PrintUnits.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPen>

#include <cmath>

namespace zindra {
namespace {

// Measuring at a large size keeps rounding out of the ink box; sizes scale
// the result, since the layout keeps the face's own (unhinted) outlines.
constexpr int ReferencePixels = 1000;
constexpr char CaptionFace[] = "Arial";
constexpr double CaptionPoints = 8;
constexpr double OutlinePoints = 0.25;
// More characters than any label shows at the caption's size. Text layout
// counts in 26.6 fixed point, so tens of thousands of characters at the
// reference size overflow it and the caption vanishes; cutting first keeps
// the elision's measure in range.
constexpr qsizetype MostCaptionCharacters = 512;
// Marks stacked on one letter beyond this grow into the bars above.
constexpr int MostMarksPerLetter = 2;

QFont BarFace(const QString& face) {
    QFont font(face);
    // No merging keeps a glyph the face lacks from coming from another font;
    // no hinting keeps the advances the face's own, at every size.
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont AtReferenceSize(QFont font) {
    font.setPixelSize(ReferencePixels);
    return font;
}

SymbolInk MeasureInk(const QFont& face, const QString& fontString) {
    const QRectF ink = QFontMetricsF(AtReferenceSize(face)).tightBoundingRect(fontString);
    return {ink.left() / ReferencePixels, ink.top() / ReferencePixels,
            ink.width() / ReferencePixels, ink.height() / ReferencePixels};
}

bool IsMark(QChar c) {
    const auto category = c.category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

} // namespace

QString ShownCaption(const QString& caption) {
    QString shown;
    int marks = 0;
    for (const QChar c : caption) {
        if (shown.size() >= MostCaptionCharacters) break;
        if (c.category() == QChar::Other_Control) continue;
        marks = IsMark(c) ? marks + 1 : 0;
        if (marks <= MostMarksPerLetter) shown.append(c);
    }
    if (!shown.isEmpty() && shown.back().isHighSurrogate()) shown.chop(1);
    return shown;
}

QFont CaptionFont() {
    QFont font(QString::fromLatin1(CaptionFace));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(CaptionPoints);
    return font;
}

SheetPainter::SheetPainter(QPagedPaintDevice& device, const SheetStock& stock, bool outline,
                           int dotsPerInch)
    : device_(device), stock_(stock), outline_(outline), dotsPerInch_(dotsPerInch) {
    device_.setPageLayout(
        QPageLayout(QPageSize(QSizeF(stock.PageWidth, stock.PageHeight), QPageSize::Point),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
}

bool SheetPainter::Begin() {
    if (!painter_.begin(&device_)) return false;
    unitsPerPoint_ = device_.logicalDpiX() / PointsPerInch;
    return true;
}

std::variant<PreparedLabel, std::string>
SheetPainter::Prepare(const QString& face, Symbology symbology, const QString& fontString,
                      const QString& caption, std::optional<double> pointSize) const {
    PreparedLabel label{fontString, caption, BarFace(face), {}, 0};
    const QFontMetricsF captionMetrics(AtReferenceSize(CaptionFont()));
    const double captionScale = CaptionPoints / ReferencePixels;
    CaptionLine line;
    if (!caption.isEmpty())
        line = {captionMetrics.ascent() * captionScale, captionMetrics.descent() * captionScale};
    const LabelBox box{0, 0, stock_.LabelWidth, stock_.LabelHeight};
    auto placed = PlaceLabel(box, symbology, MeasureInk(label.BarFont, fontString), line, pointSize,
                             dotsPerInch_);
    if (auto* why = std::get_if<std::string>(&placed)) return std::move(*why);
    label.Placement = std::get<LabelPlacement>(placed);
    label.BarFont.setPointSizeF(label.Placement.PointSize);
    if (!caption.isEmpty()) {
        const LabelBox& printable = label.Placement.Printable;
        label.Caption = captionMetrics.elidedText(ShownCaption(caption), Qt::ElideRight,
                                                  printable.Width / captionScale);
        const double width = captionMetrics.horizontalAdvance(label.Caption) * captionScale;
        label.CaptionLeft = printable.Left + (printable.Width - width) / 2;
    }
    return label;
}

void SheetPainter::NextLabel() {
    const int perSheet = LabelsPerSheet(stock_);
    const int index = next_ % perSheet;
    if (index == 0 && next_ > 0) device_.newPage();
    if (index == 0 && outline_) {
        painter_.save();
        painter_.setPen(QPen(Qt::black, OutlinePoints * unitsPerPoint_));
        for (int i = 0; i < perSheet; ++i)
            painter_.drawRect(ToDevice(LabelOnSheet(stock_, i)));
        painter_.restore();
    }
    current_ = LabelOnSheet(stock_, index);
    ++next_;
}

QRectF SheetPainter::ToDevice(const LabelBox& box) const {
    return {box.Left * unitsPerPoint_, box.Top * unitsPerPoint_, box.Width * unitsPerPoint_,
            box.Height * unitsPerPoint_};
}

void SheetPainter::Print(const PreparedLabel& label) {
    NextLabel();
    const LabelPlacement& at = label.Placement;
    painter_.setPen(Qt::black);
    painter_.setFont(label.BarFont);
    // The pen sits on the dot grid of the label's corner; the corner itself
    // goes on the page's grid too, so modules stay whole dots on paper.
    const double dot = PointsPerInch / dotsPerInch_;
    const double left = std::round(current_.Left / dot) * dot;
    painter_.drawText(
        QPointF((left + at.PenX) * unitsPerPoint_, (current_.Top + at.Baseline) * unitsPerPoint_),
        label.FontString);
    if (label.Caption.isEmpty()) return;
    painter_.setFont(CaptionFont());
    painter_.drawText(QPointF((current_.Left + label.CaptionLeft) * unitsPerPoint_,
                              (current_.Top + at.CaptionBaseline) * unitsPerPoint_),
                      label.Caption);
}

void SheetPainter::Skip() {
    NextLabel();
}

bool SheetPainter::End() {
    return painter_.end();
}

} // namespace zindra
