#pragma once

#include "output/SheetLayout.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <optional>
#include <string>
#include <variant>
#include <vector>

class QPagedPaintDevice;

namespace zindra {

// What one label of a list carries.
struct LabelContent {
    Symbology symbology;
    std::vector<SampleFace> Faces; // the faces the bar code may be set in, tallest first
    QString FontString;            // the same in each of them
    QString DataText;              // the line a person reads and keys in; empty: none
    QString Caption;
};

// One bar code laid out for the labels of a stock, ready to be put on any of them.
struct PreparedLabel {
    QString FontString;
    QString DataText; // already cut to the label's width
    QString Caption;  // likewise
    QFont BarFont;
    LabelPlacement Placement; // from the label's top-left corner
    double DataLeft;          // the data text centred in the printable area, likewise
    double CaptionLeft;       // and the caption
};

// Paints label sheets of one stock on a paged device (a PDF writer, a printer
// from the print dialog), one label after another in reading order, a new
// page whenever a sheet is full. Lengths are worked out in points and turned
// into the device's own units, so any resolution serves.
class SheetPainter {
  public:
    // Sets the device's page to the stock's paper without margins; the narrow
    // bars are whole dots of a `dotsPerInch` printer.
    SheetPainter(QPagedPaintDevice& device, const SheetStock& stock, bool outline,
                 int dotsPerInch = DefaultPrinterDpi);

    // False when the device cannot be painted on (a file that cannot be written).
    bool Begin();

    // Lays out `fontString` in `face` with `caption` under it; returns why it
    // cannot be printed scannably on this stock's labels.
    std::variant<PreparedLabel, std::string> Prepare(const QString& face, Symbology symbology,
                                                     const QString& fontString,
                                                     const QString& caption,
                                                     std::optional<double> pointSize) const;

    // Lays out `content` at `pointSize`, or at the largest whole-dot size that
    // fits when none is given, in the tallest of its faces that fits there.
    std::variant<PreparedLabel, std::string> Prepare(const LabelContent& content,
                                                     std::optional<double> pointSize) const;

    // The narrow bar, in dots, of the largest size at which `content` fits
    // these labels; nothing when it fits at no size that scans.
    std::optional<int> LargestDots(const LabelContent& content) const;

    // The point size of a narrow bar of `dots` of this painter's printer.
    double PointSizeOfDots(Symbology symbology, int dots) const;

    // Puts a prepared label on the next label of the sheet.
    void Print(const PreparedLabel& label);
    // Leaves the next label empty.
    void Skip();

    // Ends the document; false when it could not be finished.
    bool End();

  private:
    TextLines LinesOf(const QString& dataText, const QString& caption) const;
    std::variant<PreparedLabel, std::string>
    PlaceIn(const QString& face, Symbology symbology, const QString& fontString,
            const QString& dataText, const QString& caption, std::optional<double> pointSize) const;
    void NextLabel();
    QRectF ToDevice(const LabelBox& box) const;

    QPagedPaintDevice& device_;
    const SheetStock& stock_;
    const bool outline_;
    const int dotsPerInch_;
    QPainter painter_;
    double unitsPerPoint_ = 1;
    int next_ = 0; // labels used so far, over all pages
    LabelBox current_{};
};

// The plain face the captions are set in, and its size.
QFont CaptionFont();
// The plain face the data text is set in, and its size.
QFont DataTextFont();

// A caption as a label can show it: no control characters (which no text
// face draws, so the font fallback would find them in a bar face), at most
// two marks on one letter (more grow up into the bars), and no more
// characters than any label shows, before it is cut to the label's width.
QString ShownCaption(const QString& caption);

} // namespace zindra
