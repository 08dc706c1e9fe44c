#pragma once

#include "output/LabelStocks.h"
#include "output/OutputPlatform.h"
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
class LabelsWindowModel {
  public:
    LabelsWindowModel(MainWindowModel& main, OutputPlatform& output, const DesktopPlaces& places);

    // The checked size, 1 to 9 for L1 to L9 (stored as LabelSize).
    int CheckedSize() const { return checkedSize_; }
    // Checks L1 to L9; anything else leaves the checked size as it is.
    void CheckSize(int size);
    const LabelStock& CheckedStock() const { return LabelStocks[checkedSize_ - 1]; }

    bool ExplainPaste = true; // stored as LabelExplain

    // The window is being shown: it is open until a button closes it.
    void FormShow() { closed_ = false; }
    bool Closed() const { return closed_; }

    // Print Labels: copy, explain, open the template, close.
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
    bool closed_ = true;
};

// The main window's Labels button: the Labels window once a bar code is made,
// otherwise a refusal in the sample field.
void PrintLabelClick(MainWindowModel& main);

} // namespace zindra
