#include "output/qt/SheetPrint.h"

#include "faces/FaceGeometry.h"
#include "output/qt/InstalledFace.h"
#include "output/qt/SheetPainter.h"
#include "ui/qt/ModelText.h"

#include <algorithm>

namespace zindra {

std::optional<std::string> PrintFullSheet(QPagedPaintDevice& device, const SheetStock& stock,
                                          const MadeBarCode& made) {
    if (const auto missing = MissingFace(made.Face))
        return "The sheet cannot be printed: " + *missing + ".";
    const std::vector<SampleFace> all = AllSampleFaces();
    const auto face = std::find_if(all.begin(), all.end(),
                                   [&made](const SampleFace& f) { return f.Name == made.Face; });
    if (face == all.end()) return "The sheet cannot be printed: no face " + made.Face + ".";
    // A face that draws its own text already says the data (with any check
    // character it carries), so the line would say it twice.
    const bool facePrintsText = HeightsOf(*face).TextDrop > 0;
    const LabelContent content{made.symbology,
                               {*face},
                               FromModel(made.FontString),
                               facePrintsText ? QString() : QString::fromStdString(made.DataText),
                               QString()};
    SheetPainter painter(device, stock, /*outline=*/false);
    if (!painter.Begin()) return std::string("The printer could not be started.");
    const auto prepared = painter.Prepare(content, made.PointSize);
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
