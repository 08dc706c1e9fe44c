#pragma once

#include "output/OutputWindows.h"
#include "output/qt/QtOutputPlatform.h"

class QDialog;
class QWidget;

namespace zindra {

class TForm3;
class TWarningBox;

// Everything output adds to the running program: the clipboard and the
// printer, the main window's Copy, Samples and Labels handlers, the clipboard
// warning window and the Labels window. Make it after the main window and
// before the settings part (which restores the label choices), register
// WarningDialog() as TWarningBox and LabelsDialog() as TForm3 with the
// platform, and keep it for the run.
class OutputPart {
  public:
    OutputPart(MainWindowModel& window, QWidget* mainWindow, const DesktopPlaces& places);
    OutputPart(const OutputPart&) = delete;
    OutputPart& operator=(const OutputPart&) = delete;

    LabelChoices& Labels() { return windows_.Labels; }
    QDialog* WarningDialog() const;
    QDialog* LabelsDialog() const;

  private:
    QtOutputPlatform platform_;
    OutputWindows windows_;
    TWarningBox* warningDialog_; // owned by the main window, as Qt parents do
    TForm3* labelsDialog_;
};

} // namespace zindra
