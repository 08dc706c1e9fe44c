#include "settings/TipWindow.h"

#include "engine/Utf8.h"
#include "ui/MainWindowModel.h"

namespace zindra {

void ReportWriteError(Platform& platform, const SettingsWriteError& error) {
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
    if (outcome.Warning) window_.platform.MessageBox(*outcome.Warning, SettingsWarningOffset);
    if (outcome.WriteError) ReportWriteError(window_.platform, *outcome.WriteError);
}

} // namespace zindra
