#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zindra {

// Why a file could not be replaced, in words for the user ("Permission denied").
using FileRefusal = std::string;

// Replaces `file` with `content` so that a reader sees either the old file or
// the new one, never a part: the content goes to a temporary file in the same
// folder, is flushed to the disk, and is renamed over the file. A file whose
// write permission bits are all clear is refused even where the user could
// override them, as a read-only file would be on other desktops. On refusal
// the old file is left as it was.
std::optional<FileRefusal> ReplaceFileAtomically(const std::filesystem::path& file,
                                                 std::string_view content);

// The temporary file ReplaceFileAtomically writes beside `file`.
std::filesystem::path TemporaryFileFor(const std::filesystem::path& file);

// Holds an exclusive advisory lock on a folder for its lifetime, so that two
// programs changing one file in it by read, change and replace take turns and
// neither loses the other's change. A folder that cannot be opened is simply
// not locked: the write that follows reports the problem.
class FolderLock {
  public:
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    int descriptor_ = -1;
};

} // namespace zindra
