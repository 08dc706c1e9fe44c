#include "output/Labels.h"

#include "faces/PrintUnits.h"
#include "output/Copy.h"
#include "output/MadeFirst.h"
#include "product/ProductFolder.h"
#include "ui/MainWindowModel.h"

#include <unistd.h>

#include <cstdio>

namespace zindra {
namespace {

constexpr char16_t CustomMissingMessage[] =
    u"You have not yet defined a custom template. Make your\nown label template, name the file "
    u"custom.rtf, and place\nthis file in the:\n%s folder.";
constexpr char16_t TemplateMissingMessage[] =
    u"The label template %s is missing from the folder\n%s\nPlease re-install this product.";
// A template that is there but cannot serve: said as what is wrong, since a
// re-install would not replace it.
constexpr char16_t TemplateNotAFileMessage[] =
    u"The label template %s in the folder\n%s\nis not a regular file.";
constexpr char16_t TemplateUnreadableMessage[] =
    u"The label template %s in the folder\n%s\ncannot be read.";
constexpr char16_t ExplainPasteMessage[] =
    u"To add your bar code to a label, place\nthe cursor in any label on the form,\nthen on the "
    u"menu bar click on Edit, Paste\nor just enter a Ctrl-V.";

// Replaces each "%s" of `format` by the next of `values`.
std::u16string Format(std::u16string_view format, std::initializer_list<std::u16string> values) {
    std::u16string text(format);
    std::size_t from = 0;
    for (const std::u16string& value : values) {
        from = text.find(u"%s", from);
        text.replace(from, 2, value);
        from += value.size();
    }
    return text;
}

std::u16string AsText(const std::filesystem::path& path) {
    return path.u16string();
}

} // namespace

LabelsWindowModel::LabelsWindowModel(MainWindowModel& main, OutputPlatform& output,
                                     const DesktopPlaces& places)
    : main_(main), output_(output), places_(places) {}

void LabelsWindowModel::CheckLabelSize(int size) {
    if (size < 1 || size > static_cast<int>(LabelStocks.size())) return;
    checkedSize_ = size;
    if (const SheetStock* own = FindSheetStock(CheckedStock())) sheet_ = own;
}

void LabelsWindowModel::ChooseSheet(std::string_view name) {
    if (const SheetStock* stock = FindSheetStock(name)) sheet_ = stock;
}

std::string SheetCaption(const SheetStock& stock) {
    char caption[120];
    if (stock.PageHeight < A4Height)
        std::snprintf(caption, sizeof caption, "Letter, %.4g x %.4g in, %d labels (%s)",
                      stock.LabelWidth / PointsPerInch, stock.LabelHeight / PointsPerInch,
                      LabelsPerSheet(stock), stock.Name.c_str());
    else
        std::snprintf(caption, sizeof caption, "A4, %.4g x %.4g mm, %d labels (%s)",
                      stock.LabelWidth / PointsPerMm, stock.LabelHeight / PointsPerMm,
                      LabelsPerSheet(stock), stock.Name.c_str());
    return caption;
}

std::filesystem::path LabelsWindowModel::TemplateFolder() const {
    return ProductFolder(places_).parent_path();
}

void LabelsWindowModel::PrintLabelsClick() {
    main_.SetFocus(ControlId::BarTextInput);
    const std::filesystem::path folder = TemplateFolder();
    const std::string file = CheckedStock().TemplateFile;
    const std::filesystem::path path = folder / file;

    // Only the path's status and access are asked: a FIFO is never opened here.
    std::error_code ignored;
    const auto status = std::filesystem::status(path, ignored);
    const char16_t* problem = nullptr;
    if (!std::filesystem::exists(status))
        problem = checkedSize_ == CustomLabelSize ? CustomMissingMessage : TemplateMissingMessage;
    else if (!std::filesystem::is_regular_file(status))
        problem = TemplateNotAFileMessage;
    else if (::access(path.c_str(), R_OK) != 0)
        problem = TemplateUnreadableMessage;
    if (problem) {
        const std::u16string message = problem == CustomMissingMessage
                                           ? Format(problem, {AsText(folder)})
                                           : Format(problem, {AsText(file), AsText(folder)});
        main_.platform.MessageBox(message, MessageBoxOffset);
        closed_ = true;
        return;
    }
    // Only now: a missing template must not cost the user what the clipboard held.
    CopyStep(main_, output_);
    if (explainPaste_) main_.platform.MessageBox(ExplainPasteMessage, MessageBoxOffset);
    main_.platform.OpenDocument(path.string());
    closed_ = true;
}

void LabelsWindowModel::ExitLabelsClick() {
    main_.SetFocus(ControlId::BarTextInput);
    closed_ = true;
}

void PrintLabelClick(MainWindowModel& main) {
    if (MadeOrRefuse(main, MadeFirstAsker::PrintLabels))
        main.platform.ShowModal(ProgramWindow::TForm3);
}

} // namespace zindra
