#include "output/qt/SheetPrint.h"

#include "output/qt/InstalledFace.h"
#include "output/qt/SheetPainter.h"
#include "ui/qt/ModelText.h"

namespace zindra {

std::optional<std::string> PrintFullSheet(QPagedPaintDevice& device, const SheetStock& stock,
                                          const MadeBarCode& made) {
    if (const auto missing = MissingFace(made.Face))
        return "The sheet cannot be printed: " + *missing + ".";
    SheetPainter painter(device, stock, /*outline=*/false);
    if (!painter.Begin()) return std::string("The printer could not be started.");
    const auto prepared = painter.Prepare(QString::fromStdString(made.Face), made.symbology,
                                          FromModel(made.FontString), {}, made.PointSize);
    if (const auto* why = std::get_if<std::string>(&prepared)) {
        painter.End();
        return "The bar code " + *why + ".";
    }
    for (int label = 0; label < LabelsPerSheet(stock); ++label)
        painter.Print(std::get<PreparedLabel>(prepared));
    if (!painter.End()) return std::string("The sheet could not be printed.");
    return std::nullopt;
}

} // namespace zindra
