#pragma once

#include <filesystem>
#include <vector>

namespace zindra {

// The installed product files that seed a user's product folder: the files
// of share/zindra and of its label templates, found from the program's own
// place (bin/zindra -> share/zindra), so an installed tree works under any
// prefix.
std::vector<std::filesystem::path> InstalledProductFolders(const std::filesystem::path& programFile);

// A user's first start on a shared installation: when productFolder is
// missing and the installed folders hold files, creates the folder and copies
// in every file of those folders (not their subfolders), side by side, as the
// installer does. A folder that exists is left as it is. Returns whether the
// product folder exists afterwards; when it cannot be created or nothing is
// installed it stays missing, and start-up asks the user to re-install.
bool SeedProductFolder(const std::filesystem::path& productFolder,
                       const std::vector<std::filesystem::path>& installedFolders);

} // namespace zindra
