#include "settings/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <variant>

namespace zindra {
namespace {

// More links in a row than any user makes on purpose.
constexpr int MostLinksFollowed = 8;
constexpr std::chrono::milliseconds LockRetry{20};

FileRefusal SystemError(int error) {
    return std::strerror(error);
}

FileRefusal LastSystemError() {
    return SystemError(errno);
}

// What stands at a path that should be a regular file, in words; nothing when it is one.
std::optional<FileRefusal> NotRegular(const struct stat& info) {
    if (S_ISREG(info.st_mode)) return std::nullopt;
    if (S_ISDIR(info.st_mode)) return SystemError(EISDIR);
    return FileRefusal("It is not a regular file");
}

// The file a save replaces: `file` itself, or the regular file a link at
// `file` names when every link on the way and that file are the user's own.
// Another user's link (or a link to another user's file) would let them
// choose which of the user's files the next save rewrites.
std::variant<std::filesystem::path, FileRefusal> FileToReplace(const std::filesystem::path& file) {
    std::filesystem::path at = file;
    struct stat info {};
    for (int links = 0;; ++links) {
        if (::lstat(at.c_str(), &info) != 0) {
            if (errno == ENOENT && links == 0) return file;
            return links == 0 ? LastSystemError() : FileRefusal("It is a link to no file");
        }
        if (!S_ISLNK(info.st_mode)) break;
        if (info.st_uid != ::geteuid()) return FileRefusal("It is a link that is not your own");
        if (links == MostLinksFollowed) return SystemError(ELOOP);
        std::error_code ec;
        const auto next = std::filesystem::read_symlink(at, ec);
        if (ec) return ec.message();
        at = at.parent_path() / next;
    }
    if (at == file) return file;
    if (!S_ISREG(info.st_mode)) return FileRefusal("It is a link to something not a regular file");
    if (info.st_uid != ::geteuid())
        return FileRefusal("It is a link to a file that is not your own");
    return at;
}

// What a new file gets: read and write for whoever the user's umask allows.
mode_t NewFileMode() {
    // umask can only be read by setting it; the program has one thread that
    // creates files.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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

FileRefusal TooLargeRefusal(std::uintmax_t limit) {
    return "It is larger than " + std::to_string(limit / 1024 / 1024) + " MB; it was left as it is";
}

FileContent ReadRegularFile(const std::filesystem::path& file, std::uintmax_t limit) {
    // Without O_NONBLOCK a FIFO put at the path would hold the open until
    // someone writes into it.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? FileContent{} : FileContent{{}, LastSystemError()};
    FileContent content;
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        content.Refusal = LastSystemError();
    else
        content.Refusal = NotRegular(info);
    if (!content.Refusal && static_cast<std::uintmax_t>(info.st_size) > limit)
        content.Refusal = TooLargeRefusal(limit);
    if (!content.Refusal) {
        // Room for one byte more than fstat saw, to notice a file that grew
        // since; it may grow up to one byte past the limit, which refuses it.
        const std::size_t most = static_cast<std::size_t>(limit) + 1;
        content.Text.resize(std::min(static_cast<std::size_t>(info.st_size) + 1, most));
        std::size_t got = 0;
        for (;;) {
            if (got == content.Text.size()) {
                if (got == most) break;
                content.Text.resize(std::min(got * 2, most));
            }
            const auto n = ::read(fd, content.Text.data() + got, content.Text.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) content.Refusal = LastSystemError();
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
        content.Text.resize(got);
        if (!content.Refusal && got > limit) content.Refusal = TooLargeRefusal(limit);
    }
    ::close(fd);
    if (content.Refusal) content.Text.clear();
    return content;
}

std::optional<FileRefusal> ReplaceFileAtomically(const std::filesystem::path& file,
                                                 std::string_view content) {
    auto found = FileToReplace(file);
    if (auto* refusal = std::get_if<FileRefusal>(&found)) return *refusal;
    const auto target = std::get<std::filesystem::path>(std::move(found));

    mode_t mode = NewFileMode();
    struct stat existing {};
    if (::lstat(target.c_str(), &existing) == 0) {
        if (auto refusal = NotRegular(existing)) return refusal;
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            ::access(target.c_str(), W_OK) != 0)
            return FileRefusal("The file is read-only");
        mode = existing.st_mode & 07777;
    }

    // A name nobody can guess or put anything at beforehand; mkostemp
    // creates it anew, for the user alone until fchmod below.
    std::string temporary = target.string() + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
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

std::filesystem::path LockFileFor(const std::filesystem::path& file) {
    auto lock = file;
    lock += ".lock";
    return lock;
}

FileLock::FileLock(const std::filesystem::path& file, std::chrono::milliseconds patience) {
    const auto lock = LockFileFor(file);
    descriptor_ =
        ::open(lock.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (descriptor_ < 0) {
        const int error = errno;
        // A missing folder is the settings file's own problem, said plainly.
        refusal_ = error == ENOENT ? SystemError(error)
                                   : "Its lock file " + lock.string() +
                                         " cannot be opened: " + SystemError(error);
        return;
    }
    struct stat info {};
    if (::fstat(descriptor_, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()) {
        refusal_ = "Its lock file " + lock.string() + " is not a file of your own";
        ::close(descriptor_);
        descriptor_ = -1;
        return;
    }
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    while (::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= giveUp) {
            refusal_ = errno == EWOULDBLOCK ? FileRefusal("Another program keeps it locked")
                                            : LastSystemError();
            ::close(descriptor_);
            descriptor_ = -1;
            return;
        }
        std::this_thread::sleep_for(LockRetry);
    }
}

FileLock::~FileLock() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

} // namespace zindra
