#include "settings/TipWindow.h"

#include "engine/Utf8.h"
#include "ui/MainWindowModel.h"

namespace zindra {

void ReportSettingsError(Platform& platform, const SettingsFileError& error) {
    platform.MessageBox(FromUtf8(error.Message()), std::nullopt);
}

TipWindow::TipWindow(MainWindowModel& window, const DesktopPlaces& places)
    : window_(window), places_(places) {}

void TipWindow::FormActivate() {
    Report(ShowNextTip(SettingsFile(places_), View));
}

void TipWindow::SpeedButton1Click() {
    Report(ShowPreviousTip(SettingsFile(places_), View));
}

void TipWindow::NextTipClick() {
    Report(ShowNextTip(SettingsFile(places_), View));
}

void TipWindow::Report(const TipOutcome& outcome) {
    if (outcome.Warning) window_.platform.MessageBox(*outcome.Warning, MessageBoxOffset);
    if (outcome.FileError) ReportSettingsError(window_.platform, *outcome.FileError);
}

} // namespace zindra
