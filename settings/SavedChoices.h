#pragma once

#include "product/LabelChoices.h"
#include "settings/IniFile.h"

namespace zindra {

class MainWindowModel;

// The keys of section Settings, one function per direction. Each runs the
// keys in the order the file has always had them.

// Sets every control from the file, each with its default, by selecting and
// ticking as a user's click would (so the handlers run through the event
// rule). HintsOff is not among them: start-up reads it first.
void RestoreChoices(const IniFile& ini, MainWindowModel& window, LabelChoices& labels);

// The values a first run writes into an absent section: the window's
// position, the rest fixed.
void SeedChoices(IniFile& ini, const MainWindowModel& window);

// Writes every key from the window as it is now.
void SaveChoices(IniFile& ini, const MainWindowModel& window, const LabelChoices& labels);

inline constexpr char SettingsSection[] = "Settings";

} // namespace zindra
