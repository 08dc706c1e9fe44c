#pragma once

#include "output/LabelStocks.h"
#include "output/OutputPlatform.h"
#include "output/SheetStocks.h"
#include "product/LabelChoices.h"
#include "ui/Platform.h"

#include <filesystem>

namespace zindra {

class DesktopPlaces;
class MainWindowModel;

// Where the Labels window opens, relative to the main window's top-left corner.
inline constexpr WindowOffset LabelsWindowPlacement = {84, 25};

// The Labels window (TForm3) without a window system: the checked size,
// ExplainPaste, and its buttons. It lives for the whole run, so its choices
// survive between openings; a view mirrors it and closes when Closed() says so.
// Start-up restores its two choices and closing saves them.
class LabelsWindowModel : public LabelChoices {
  public:
    LabelsWindowModel(MainWindowModel& main, OutputPlatform& output, const DesktopPlaces& places);

    // The checked size, 1 to 9 for L1 to L9.
    int CheckedLabelSize() const override { return checkedSize_; }
    // Checks L1 to L9; anything else leaves the checked size as it is.
    void CheckLabelSize(int size) override;
    const LabelStock& CheckedStock() const { return LabelStocks[checkedSize_ - 1]; }

    bool ExplainPaste() const override { return explainPaste_; }
    void SetExplainPaste(bool explain) override { explainPaste_ = explain; }

    // Any stock of --sheet list, Letter or A4. Checking a size that has a sheet
    // of its own chooses that sheet; the custom size keeps the one chosen.
    const SheetStock& ChosenSheet() const { return *sheet_; }
    std::string SheetName() const override { return sheet_->Name; }
    void ChooseSheet(std::string_view name) override;

    // The window is being shown: it is open until a button closes it.
    void FormShow() { closed_ = false; }
    bool Closed() const { return closed_; }

    // Print Labels: check the template is there, copy, explain, open it, close.
    void PrintLabelsClick();
    // Return: back to the main window's data field.
    void ExitLabelsClick();

    // ProductFolder without its last separator: where the templates live.
    std::filesystem::path TemplateFolder() const;

  private:
    MainWindowModel& main_;
    OutputPlatform& output_;
    const DesktopPlaces& places_;
    int checkedSize_ = DefaultLabelSize;
    const SheetStock* sheet_ = FindSheetStock(LabelStocks[DefaultLabelSize - 1]);
    bool explainPaste_ = true;
    bool closed_ = true;
};

// How the Labels window names a sheet: "A4, 63.5 x 38.1 mm, 21 labels
// (a4-63.5x38.1)".
std::string SheetCaption(const SheetStock& stock);

// The main window's Labels button: the Labels window once a bar code is made,
// otherwise a refusal in the sample field.
void PrintLabelClick(MainWindowModel& main);

} // namespace zindra
