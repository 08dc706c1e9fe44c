#pragma once

#include "output/Copy.h"
#include "output/Labels.h"

namespace zindra {

// What output adds to the program: the clipboard warning window, the Labels
// window, and the main window's Copy, Samples and Labels handlers, which it
// connects on construction. Lives as long as the main window model.
class OutputWindows {
  public:
    OutputWindows(MainWindowModel& main, OutputPlatform& output, const DesktopPlaces& places);
    OutputWindows(const OutputWindows&) = delete;
    OutputWindows& operator=(const OutputWindows&) = delete;

    WarningBoxModel WarningBox;
    LabelsWindowModel Labels;
};

} // namespace zindra
