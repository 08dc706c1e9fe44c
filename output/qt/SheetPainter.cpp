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
// The texts' face: the program's plain face, as on the sample page.
constexpr char TextFace[] = "Arial";
constexpr double CaptionPoints = 8;
// The data a person keys in when the bars will not scan: a little larger.
constexpr double DataTextPoints = 9;
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

QFont TextFont(double points) {
    QFont font(QString::fromLatin1(TextFace));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setPointSizeF(points);
    return font;
}

QFont CaptionFont() {
    return TextFont(CaptionPoints);
}

QFont DataTextFont() {
    return TextFont(DataTextPoints);
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

namespace {

// A text line's height, and the text as it fits `width` points, centred there.
struct ShownLine {
    QString Text;
    double Left = 0;
};

CaptionLine LineOf(const QFont& font, const QString& text) {
    if (text.isEmpty()) return {};
    const QFontMetricsF metrics(AtReferenceSize(font));
    const double scale = font.pointSizeF() / ReferencePixels;
    return {metrics.ascent() * scale, metrics.descent() * scale};
}

ShownLine Shown(const QFont& font, const QString& text, const LabelBox& printable) {
    if (text.isEmpty()) return {};
    const QFontMetricsF metrics(AtReferenceSize(font));
    const double scale = font.pointSizeF() / ReferencePixels;
    ShownLine line;
    line.Text = metrics.elidedText(ShownCaption(text), Qt::ElideRight, printable.Width / scale);
    const double width = metrics.horizontalAdvance(line.Text) * scale;
    line.Left = printable.Left + (printable.Width - width) / 2;
    return line;
}

} // namespace

TextLines SheetPainter::LinesOf(const QString& dataText, const QString& caption) const {
    return {LineOf(DataTextFont(), dataText), LineOf(CaptionFont(), caption)};
}

std::variant<PreparedLabel, std::string>
SheetPainter::PlaceIn(const QString& face, Symbology symbology, const QString& fontString,
                      const QString& dataText, const QString& caption,
                      std::optional<double> pointSize) const {
    PreparedLabel label{fontString, {}, {}, BarFace(face), {}, 0, 0};
    const LabelBox box{0, 0, stock_.LabelWidth, stock_.LabelHeight};
    auto placed = PlaceLabel(box, symbology, MeasureInk(label.BarFont, fontString),
                             LinesOf(dataText, caption), pointSize, dotsPerInch_);
    if (auto* why = std::get_if<std::string>(&placed)) return std::move(*why);
    label.Placement = std::get<LabelPlacement>(placed);
    label.BarFont.setPointSizeF(label.Placement.PointSize);
    const ShownLine data = Shown(DataTextFont(), dataText, label.Placement.Printable);
    const ShownLine shown = Shown(CaptionFont(), caption, label.Placement.Printable);
    label.DataText = data.Text;
    label.DataLeft = data.Left;
    label.Caption = shown.Text;
    label.CaptionLeft = shown.Left;
    return label;
}

std::variant<PreparedLabel, std::string>
SheetPainter::Prepare(const QString& face, Symbology symbology, const QString& fontString,
                      const QString& caption, std::optional<double> pointSize) const {
    return PlaceIn(face, symbology, fontString, {}, caption, pointSize);
}

std::optional<int> SheetPainter::LargestDots(const LabelContent& content) const {
    if (content.Faces.empty()) return std::nullopt;
    // The shortest face leaves the most room, so it fits the largest size.
    const QFont face = BarFace(QString::fromStdString(content.Faces.back().Name));
    return zindra::LargestDots({0, 0, stock_.LabelWidth, stock_.LabelHeight}, content.symbology,
                               MeasureInk(face, content.FontString),
                               LinesOf(content.DataText, content.Caption), dotsPerInch_);
}

double SheetPainter::PointSizeOfDots(Symbology symbology, int dots) const {
    return zindra::PointSizeOfDots(symbology, dots, dotsPerInch_);
}

std::variant<PreparedLabel, std::string>
SheetPainter::Prepare(const LabelContent& content, std::optional<double> pointSize) const {
    if (content.Faces.empty()) return std::string("the face drew nothing");
    const auto shortest = QString::fromStdString(content.Faces.back().Name);
    if (!pointSize) {
        const auto dots = LargestDots(content);
        // The shortest face's refusal says why nothing fits.
        if (!dots)
            return PlaceIn(shortest, content.symbology, content.FontString, content.DataText,
                           content.Caption, std::nullopt);
        pointSize = PointSizeOfDots(content.symbology, *dots);
    }
    const LabelBox box{0, 0, stock_.LabelWidth, stock_.LabelHeight};
    std::variant<PreparedLabel, std::string> placed = std::string();
    for (const SampleFace& face :
         FacesThatFit(content.Faces, box, LinesOf(content.DataText, content.Caption), *pointSize)) {
        placed = PlaceIn(QString::fromStdString(face.Name), content.symbology, content.FontString,
                         content.DataText, content.Caption, pointSize);
        if (std::holds_alternative<PreparedLabel>(placed)) break;
    }
    return placed;
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
    // Baselines, and where the texts start, go to whole device units: a
    // PDF then holds short whole numbers, a tenth smaller for a long list.
    // The bars keep their place across the page, on the printer's dots.
    const auto whole = [this](double points) { return std::round(points * unitsPerPoint_); };
    painter_.drawText(QPointF((left + at.PenX) * unitsPerPoint_, whole(current_.Top + at.Baseline)),
                      label.FontString);
    if (!label.DataText.isEmpty()) {
        painter_.setFont(DataTextFont());
        painter_.drawText(
            QPointF(whole(current_.Left + label.DataLeft), whole(current_.Top + at.DataBaseline)),
            label.DataText);
    }
    if (label.Caption.isEmpty()) return;
    painter_.setFont(CaptionFont());
    painter_.drawText(
        QPointF(whole(current_.Left + label.CaptionLeft), whole(current_.Top + at.CaptionBaseline)),
        label.Caption);
}

void SheetPainter::Skip() {
    NextLabel();
}

bool SheetPainter::End() {
    return painter_.end();
}

} // namespace zindra
