#pragma once

#include "output/OutputWindows.h"
#include "output/qt/QtOutputPlatform.h"

class QWidget;

namespace zindra {

class QtPlatform;

// Everything output adds to the running program: the clipboard and the
// printer, the main window's Copy, Samples and Labels handlers, and the
// clipboard warning and Labels windows, registered with the platform as
// TWarningBox and TForm3 and made when first shown (they read the model
// when they show, so a late one shows what an early one would). Make it
// after the main window and before the settings part (which restores the
// label choices), and keep it for the run.
class OutputPart {
  public:
    OutputPart(MainWindowModel& window, QtPlatform& platform, QWidget* mainWindow,
               const DesktopPlaces& places);
    OutputPart(const OutputPart&) = delete;
    OutputPart& operator=(const OutputPart&) = delete;

    LabelChoices& Labels() { return windows_.Labels; }

  private:
    QtOutputPlatform platform_;
    OutputWindows windows_;
};

} // namespace zindra
