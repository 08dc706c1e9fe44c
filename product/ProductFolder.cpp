#include "product/ProductFolder.h"

#include <string>

namespace zindra {

std::filesystem::path ProductFolder(const DesktopPlaces& places) {
    return places.DocumentsFolder() / "Zindra" / "";
}

std::filesystem::path SettingsFileName(std::string_view programFileName) {
    return std::string(programFileName.substr(0, programFileName.rfind('.'))) + "tips.ini";
}

std::filesystem::path SettingsFile(const DesktopPlaces& places) {
    return ProductFolder(places) / SettingsFileName(places.ProgramFile().filename().string());
}

bool ProductFolderExists(const std::filesystem::path& productFolder) {
    std::error_code ec;
    return std::filesystem::is_directory(productFolder, ec);
}

} // namespace zindra
