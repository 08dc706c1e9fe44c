#include "output/qt/SheetPrint.h"

#include "engine/EncodeRequest.h"
#include "engine/Utf8.h"
#include "output/qt/SheetPainter.h"
#include "ui/SampleFaceName.h"
#include "ui/qt/ModelText.h"

namespace zindra {

std::optional<std::string> PrintFullSheet(QPagedPaintDevice& device, const SheetStock& stock,
                                          const BarOptions& options) {
    const RequestOutcome outcome = EncodeRequest(options);
    if (const auto* error = std::get_if<EncodeError>(&outcome.Outcome))
        return ToUtf8(error->Message);
    const std::u16string& fontString = std::get<BarResult>(outcome.Outcome).FontString;
    SheetPainter painter(device, stock, /*outline=*/false);
    if (!painter.Begin()) return std::string("The printer could not be started.");
    const auto prepared =
        painter.Prepare(QString::fromStdString(SampleFaceName(options)), options.symbology,
                        FromModel(fontString), {}, std::nullopt);
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
