#include "cli/SheetOptions.h"

#include "output/CustomStock.h"

#include <charconv>
#include <string_view>

namespace zindra::cli {
namespace {

constexpr int MaxCopies = 1000;
// Far past any stock's labels: --skip is checked against its stock later.
constexpr int MaxSkip = 1000000;

std::optional<int> ReadWhole(std::string_view word, int least, int most) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size() || value < least || value > most)
        return std::nullopt;
    return value;
}

std::optional<std::string> Store(std::optional<int> read, int& into, std::string refusal) {
    if (!read) return refusal;
    into = *read;
    return std::nullopt;
}

} // namespace

std::optional<std::string> ApplySheetOption(int code, const char* value, SheetChoices& sheet) {
    switch (code) {
    case SheetOpt:
        if (std::string_view(value) != "list")
            if (const auto stock = SheetStockNamed(value);
                std::holds_alternative<std::string>(stock))
                return std::get<std::string>(stock);
        sheet.Stock = value;
        break;
    case PdfOpt:
        if (*value == '\0') return "--pdf needs a file name";
        // "-" reads standard input for --batch; as a PDF name it would make a file called "-".
        if (std::string_view(value) == "-")
            return "--pdf cannot write to standard output; name a file";
        sheet.PdfPath = value;
        break;
    case SkipOpt:
        // Checked against the stock once every option is read.
        return Store(ReadWhole(value, 0, MaxSkip), sheet.Skip,
                     "--skip must be a whole number from 0 to the labels on a sheet less one");
    case CopiesOpt:
        return Store(ReadWhole(value, 1, MaxCopies), sheet.Copies,
                     "--copies must be a whole number from 1 to 1000");
    case OutlineOpt:
        sheet.Outline = true;
        break;
    case NoTextOpt:
        sheet.DataText = false;
        break;
    case FitOpt:
        if (std::string_view(value) != "sheet" && std::string_view(value) != "each")
            return "--fit must be sheet or each";
        sheet.FitEach = std::string_view(value) == "each";
        sheet.FitGiven = true;
        break;
    }
    return std::nullopt;
}

std::optional<std::string> CheckSheetChoices(const SheetChoices& sheet, bool batch) {
    const bool companions =
        !sheet.PdfPath.empty() || sheet.Skip > 0 || sheet.Copies > 1 || sheet.Outline;
    if (sheet.Stock.empty()) {
        if (companions) return "--pdf, --skip, --copies and --outline need --sheet";
        if (!sheet.DataText || sheet.FitGiven) return "--no-text and --fit need --sheet";
        return std::nullopt;
    }
    if (!batch) return "--sheet needs --batch (or --sheet list)";
    if (sheet.PdfPath.empty()) return "--sheet needs --pdf FILE";
    const int labels = LabelsPerSheet(std::get<SheetStock>(SheetStockNamed(sheet.Stock)));
    if (sheet.Skip >= labels)
        return "--skip must leave a label on the first sheet: from 0 to " +
               std::to_string(labels - 1) + " for " + sheet.Stock;
    return std::nullopt;
}

} // namespace zindra::cli
