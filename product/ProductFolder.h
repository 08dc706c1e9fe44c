#pragma once

#include <filesystem>
#include <string_view>

namespace zindra {

// What the desktop reports about where things are. Asked afresh by every
// operation that needs the product folder; the Qt answer lives in settings/qt
// and tests give a temporary folder.
class DesktopPlaces {
  public:
    virtual ~DesktopPlaces() = default;
    // The current user's documents folder.
    virtual std::filesystem::path DocumentsFolder() const = 0;
    // The running program's file, whose name picks the settings file.
    virtual std::filesystem::path ProgramFile() const = 0;
};

// The documents folder followed by "Zindra/", the separator kept at the end
// (the folder-missing message shows it so).
std::filesystem::path ProductFolder(const DesktopPlaces& places);

// The program's file name with its extension, from the last dot on, replaced
// by "tips.ini"; a name without a dot gets "tips.ini" appended.
std::filesystem::path SettingsFileName(std::string_view programFileName);

// ProductFolder followed by SettingsFileName of the running program.
std::filesystem::path SettingsFile(const DesktopPlaces& places);

// The test that decides FolderFound: the product folder exists as a folder.
// Only the installer and a first start on a shared installation create it
// (SeedProductFolder); start-up itself never does.
bool ProductFolderExists(const std::filesystem::path& productFolder);

} // namespace zindra
