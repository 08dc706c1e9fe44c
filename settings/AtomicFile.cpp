#include "settings/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zindra {
namespace {

FileRefusal LastSystemError() {
    return std::strerror(errno);
}

// A link to the settings file stays a link: the file it names is replaced.
std::filesystem::path ResolveLink(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(file, ec)) return file;
    auto target = std::filesystem::canonical(file, ec);
    return ec ? file : target;
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const auto written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR) continue;
        if (written == 0) errno = ENOSPC;
        if (written <= 0) return false;
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Only the folder entry needs this; a failure here cannot undo the rename.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::filesystem::path TemporaryFileFor(const std::filesystem::path& file) {
    auto temporary = file;
    temporary += ".tmp";
    return temporary;
}

std::optional<FileRefusal> ReplaceFileAtomically(const std::filesystem::path& file,
                                                 std::string_view content) {
    const auto target = ResolveLink(file);
    mode_t mode = 0666;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            ::access(target.c_str(), W_OK) != 0)
            return FileRefusal("The file is read-only");
        mode = existing.st_mode & 07777;
    }

    const auto temporary = TemporaryFileFor(target);
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) return LastSystemError();

    // The temporary file is ours from here on: every way out removes it.
    const bool written = WriteAll(fd, content) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    auto refusal = written ? std::optional<FileRefusal>{} : LastSystemError();
    if (::close(fd) != 0 && !refusal) refusal = LastSystemError();
    if (!refusal && ::rename(temporary.c_str(), target.c_str()) != 0) refusal = LastSystemError();
    if (refusal) {
        ::unlink(temporary.c_str());
        return refusal;
    }
    SyncFolder(target.parent_path());
    return std::nullopt;
}

FolderLock::FolderLock(const std::filesystem::path& folder) {
    descriptor_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor_ < 0) return;
    while (::flock(descriptor_, LOCK_EX) != 0 && errno == EINTR) {
    }
}

FolderLock::~FolderLock() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

} // namespace zindra
