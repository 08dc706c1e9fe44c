#include "settings/StartUp.h"

#include "engine/Utf8.h"
#include "settings/SavedChoices.h"
#include "ui/MainWindowModel.h"

namespace zindra {
namespace {

using enum ControlId;

constexpr char TipSection[] = "TipoftheDay";
constexpr int StartUpHintPauseMs = 6000;

} // namespace

std::u16string FolderMissingMessage(const std::filesystem::path& productFolder) {
    // Something else in the folder's place is not mended by a re-install.
    std::error_code ignored;
    if (std::filesystem::exists(productFolder.parent_path(), ignored))
        return u"The product folder " + FromUtf8(productFolder.parent_path().string()) +
               u" is not a folder; move it out of the way and start again.";
    return u"The folder " + FromUtf8(productFolder.string()) +
           u" is missing, please re-install this product.";
}

StartUp::StartUp(MainWindowModel& window, const DesktopPlaces& places, LabelChoices& labels,
                 AboutWindow& about)
    : window_(window), places_(places), labels_(labels), about_(about) {}

void StartUp::Install() {
    auto& handlers = window_.Handlers;
    handlers.FormActivate = [this] { FormActivate(); };
    handlers.FormClose = [this] { FormClose(); };
    handlers.TipCheckBoxClick = [this] { TipCheckBoxClick(); };
    handlers.SpeedButton1Click = [this] { SpeedButton1Click(); };
    handlers.SpeedButton2Click = [this] { SpeedButton2Click(); };
}

void StartUp::FormActivate() {
    about_.CurVersion = VersionLabel();
    Hints.HidePauseMs = StartUpHintPauseMs;
    window_.ApplyCode39Look();
    window_.MadeFlag.reset();

    const auto folder = ProductFolder(places_);
    FolderFound = ProductFolderExists(folder);
    if (FolderFound)
        RestoreOrSeed();
    else
        window_.platform.MessageBox(FolderMissingMessage(folder), MessageBoxOffset);

    const auto& data = window_.Text(BarTextInput);
    window_.SetFocus(BarTextInput);
    window_.SetSelection(BarTextInput, 0, static_cast<int>(data.size()));
}

void StartUp::RestoreOrSeed() {
    bool tipData = false;
    {
        IniFile ini(SettingsFile(places_));
        tipData = ini.SectionExists(TipSection);
        if (tipData)
            window_.SetChecked(TipCheckBox, ini.ReadBool(TipSection, "Enabled", true));
        else if (!ini.Error())
            window_.platform.MessageBox(TipFileMissingMessage, MessageBoxOffset);
        // The user's choices come back even when the tip data is gone:
        // closing would otherwise write the initial states over them.
        if (ini.SectionExists(SettingsSection)) {
            if (ini.ReadBool(SettingsSection, "HintsOff", false)) Hints.ShowHints = false;
            RestoreChoices(ini, window_, labels_);
        } else if (tipData) {
            SeedChoices(ini, window_);
        }
        if (ini.Error()) ReportSettingsError(window_.platform, *ini.Error());
    }
    if (tipData && window_.Checked(TipCheckBox)) window_.platform.ShowModal(ProgramWindow::TTip);
}

void StartUp::FormClose() {
    if (!FolderFound) return;
    IniFile ini(SettingsFile(places_));
    ini.WriteBool(TipSection, "Enabled", window_.Checked(TipCheckBox));
    SaveChoices(ini, window_, labels_);
    if (ini.Error()) ReportSettingsError(window_.platform, *ini.Error());
}

void StartUp::TipCheckBoxClick() {
    if (FolderFound) {
        if (auto refused = WriteTipEnabled(SettingsFile(places_), window_.Checked(TipCheckBox)))
            ReportSettingsError(window_.platform, *refused);
    }
    window_.SetFocus(BarTextInput);
}

void StartUp::SpeedButton1Click() {
    window_.platform.ShowModal(ProgramWindow::TForm2);
    window_.SetFocus(BarTextInput);
}

void StartUp::SpeedButton2Click() {
    window_.platform.ShowModal(ProgramWindow::TTip);
    window_.SetFocus(BarTextInput);
}

} // namespace zindra
