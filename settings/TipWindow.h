#pragma once

#include "product/ProductFolder.h"
#include "settings/TipOfTheDay.h"
#include "ui/Platform.h"

namespace zindra {

class MainWindowModel;

// Where the view places the Tip window each time it is shown.
inline constexpr WindowOffset TipWindowOffset{80, 100};

// The Tip of the Day window (TTip) without a window system. Each operation
// finds the settings file afresh from the documents folder.
class TipWindow {
  public:
    TipWindow(MainWindowModel& window, const DesktopPlaces& places);

    TipView View;

    void FormActivate();      // every showing advances to the next tip
    void SpeedButton1Click(); // Previous
    void NextTipClick();

  private:
    void Report(const TipOutcome& outcome);

    MainWindowModel& window_;
    const DesktopPlaces& places_;
};

// A refused read or write, in the program's error report.
void ReportSettingsError(Platform& platform, const SettingsFileError& error);

} // namespace zindra
