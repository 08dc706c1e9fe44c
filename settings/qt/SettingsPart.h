#pragma once

#include "settings/About.h"
#include "settings/StartUp.h"
#include "settings/TipWindow.h"

class QWidget;

namespace zindra {

class HintPolicy;
class QtPlatform;

// Everything the settings part adds to the running program: the About and
// Tip windows, registered with the platform as TForm2 and TTip and made when
// first shown (the Tip window at the first activation when tips are on); the
// main window's start-up, closing, Tips, About and Tip-of-the-Day handlers;
// the application's hint policy. Make it after the main window and the
// Labels window model (which keeps the label choices), and keep it for the
// run.
class SettingsPart {
  public:
    SettingsPart(MainWindowModel& window, QtPlatform& platform, QWidget* mainWindow,
                 const DesktopPlaces& places, LabelChoices& labels);
    SettingsPart(const SettingsPart&) = delete;
    SettingsPart& operator=(const SettingsPart&) = delete;

  private:
    AboutWindow about_;
    TipWindow tips_;
    StartUp startUp_;
    HintPolicy* hints_;
};

// Where the installed manual lives: share/zindra beside the program, else
// the build tree's copy.
std::filesystem::path InstalledManualFolder();

} // namespace zindra
