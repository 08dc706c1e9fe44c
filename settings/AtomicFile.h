#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zindra {

// Why a file could not be read or replaced, in words for the user ("Permission denied").
using FileRefusal = std::string;

// The largest settings file the program reads or replaces. Anything bigger
// is no file the program wrote, and reading it whole on every start and
// close would freeze the window.
inline constexpr std::uintmax_t LargestSettingsFile = 1024 * 1024;

// "It is larger than 1 MB; ...": why a file over `limit` is refused.
FileRefusal TooLargeRefusal(std::uintmax_t limit);

// The content of a regular file, read whole through one descriptor. A file
// that is not there reads as empty; anything else that is not a regular file
// (a FIFO, a device, a folder) is refused without waiting on it, and so is a
// file larger than `limit`.
struct FileContent {
    std::string Text;
    std::optional<FileRefusal> Refusal;
};
FileContent ReadRegularFile(const std::filesystem::path& file, std::uintmax_t limit);

// Replaces `file` with `content` so that a reader sees either the old file or
// the new one, never a part: the content goes to a temporary file of an
// unpredictable name in the same folder, is flushed to the disk, and is
// renamed over the file. A new file gets the permissions the user's umask
// allows; a replaced one keeps its own. A file whose write permission bits
// are all clear is refused even where the user could override them, as a
// read-only file would be on other desktops. A link at `file` is followed
// only when the link and the regular file it names both belong to the user.
// On refusal the old file is left as it was.
std::optional<FileRefusal> ReplaceFileAtomically(const std::filesystem::path& file,
                                                 std::string_view content);

// Holds an exclusive lock on "<file>.lock", a file of the user's own beside
// `file`, so that two programs changing `file` by read, change and replace
// take turns and neither loses the other's change. Nobody else can open the
// lock file, so nobody else can hold the lock. Waits at most `patience` for
// another of the user's programs to let go.
class FileLock {
  public:
    static constexpr std::chrono::milliseconds DefaultPatience{5000};

    explicit FileLock(const std::filesystem::path& file,
                      std::chrono::milliseconds patience = DefaultPatience);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Why the lock is not held, when it is not.
    const std::optional<FileRefusal>& Refusal() const { return refusal_; }

  private:
    int descriptor_ = -1;
    std::optional<FileRefusal> refusal_;
};

// The lock file FileLock takes for `file`.
std::filesystem::path LockFileFor(const std::filesystem::path& file);

} // namespace zindra
