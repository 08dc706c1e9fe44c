#pragma once

#include "settings/About.h"
#include "settings/StartUp.h"
#include "settings/TipWindow.h"

class QDialog;
class QWidget;

namespace zindra {

class HintPolicy;
class TForm2;
class TTip;

// Everything the settings part adds to the running program: the About and
// Tip windows; the main window's start-up, closing, Tips, About and
// Tip-of-the-Day handlers; the application's hint policy. Make it after the
// main window and the Labels window model (which keeps the label choices),
// register TipDialog() as TTip and AboutDialog() as TForm2 with the
// platform, and keep it for the run.
class SettingsPart {
  public:
    SettingsPart(MainWindowModel& window, QWidget* mainWindow, const DesktopPlaces& places,
                 LabelChoices& labels);
    SettingsPart(const SettingsPart&) = delete;
    SettingsPart& operator=(const SettingsPart&) = delete;

    QDialog* AboutDialog() const;
    QDialog* TipDialog() const;
    const StartUp& Start() const { return startUp_; }

  private:
    AboutWindow about_;
    TipWindow tips_;
    StartUp startUp_;
    TForm2* aboutDialog_;
    TTip* tipDialog_;
    HintPolicy* hints_;
};

// Where the installed manual lives: share/zindra beside the program, else
// the build tree's copy.
std::filesystem::path InstalledManualFolder();

} // namespace zindra
