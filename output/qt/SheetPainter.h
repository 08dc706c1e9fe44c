#pragma once

#include "output/SheetLayout.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include <optional>
#include <string>
#include <variant>

class QPagedPaintDevice;

namespace zindra {

// One bar code laid out for the labels of a stock, ready to be put on any of them.
struct PreparedLabel {
    QString FontString;
    QString Caption; // already cut to the label's width
    QFont BarFont;
    LabelPlacement Placement; // from the label's top-left corner
    double CaptionLeft;       // the caption centred in the printable area, likewise
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

    // Puts a prepared label on the next label of the sheet.
    void Print(const PreparedLabel& label);
    // Leaves the next label empty.
    void Skip();

    // Ends the document; false when it could not be finished.
    bool End();

  private:
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

// A caption as a label can show it: no control characters (which no text
// face draws, so the font fallback would find them in a bar face), at most
// two marks on one letter (more grow up into the bars), and no more
// characters than any label shows, before it is cut to the label's width.
QString ShownCaption(const QString& caption);

} // namespace zindra
