#pragma once

#include "product/LabelChoices.h"
#include "product/ProductFolder.h"
#include "settings/About.h"
#include "settings/TipWindow.h"

namespace zindra {

class MainWindowModel;

// Pop-up hints for the whole application; the view applies them.
struct HintSettings {
    bool ShowHints = true;
    int HidePauseMs = 2500;
};

// The settings part of the main window's life: the first activation, the
// closing, the Tips and About buttons and the Tip-of-the-Day check box.
// Construct it once, after the windows; Install hands its handlers to the
// window model.
class StartUp {
  public:
    StartUp(MainWindowModel& window, const DesktopPlaces& places, LabelChoices& labels,
            AboutWindow& about);

    void Install();

    // TForm1's handlers.
    void FormActivate();
    void FormClose();
    void TipCheckBoxClick();
    void SpeedButton1Click(); // About
    void SpeedButton2Click(); // Tips

    // Decided once, at the first activation; while false the settings file
    // is neither read nor written.
    bool FolderFound = false;
    HintSettings Hints;

  private:
    void RestoreOrSeed();

    MainWindowModel& window_;
    const DesktopPlaces& places_;
    LabelChoices& labels_;
    AboutWindow& about_;
};

// "The folder %s is missing, please re-install this product." for the folder,
// or what is wrong with it when something that is not a folder has its name.
std::u16string FolderMissingMessage(const std::filesystem::path& productFolder);

} // namespace zindra
