#include "cli/WholeFile.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace zindra::cli {
namespace {

// The one named temporary file of this process, for the signal handler: the
// programs write one output at a time.
char namedTemporary[PATH_MAX + 16];
volatile sig_atomic_t haveNamedTemporary = 0;

void RemoveTemporaryAndDie(int signal) {
    if (haveNamedTemporary) ::unlink(namedTemporary);
    // The handler was reset on entry, so this ends the process by the same
    // signal and whoever waits on it still sees how it ended.
    ::raise(signal);
}

void CleanUpOnSignals() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    struct sigaction action {};
    action.sa_handler = RemoveTemporaryAndDie;
    action.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction old {};
        // A signal the caller chose to ignore stays ignored.
        if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        ::sigaction(signal, &action, nullptr);
    }
    // Past `ulimit -f` a write then fails with EFBIG, and the failure path
    // cleans up, instead of the default action killing the run mid-file.
    ::signal(SIGXFSZ, SIG_IGN);
}

void RememberTemporary(const std::string& name) {
    haveNamedTemporary = 0;
    std::strncpy(namedTemporary, name.c_str(), sizeof namedTemporary - 1);
    haveNamedTemporary = name.size() < sizeof namedTemporary ? 1 : 0;
}

std::string Folder(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Devices and the kernel's files are written in place: a rename there would
// replace /dev/stdout itself. A link is followed to a device only when it is
// the user's own or the system's: another user's link to a disc is replaced.
bool WrittenInPlace(const std::string& path) {
    if (path.rfind("/dev/", 0) == 0 || path.rfind("/proc/", 0) == 0) return true;
    struct stat entry {
    }, info{};
    if (::lstat(path.c_str(), &entry) != 0) return false;
    if (S_ISLNK(entry.st_mode) && entry.st_uid != ::geteuid() && entry.st_uid != 0) return false;
    return ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

std::string RandomSuffix() {
    static constexpr char letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    unsigned char bytes[12];
    if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes))
        for (auto& byte : bytes)
            byte = static_cast<unsigned char>(std::rand());
    std::string suffix = ".";
    for (unsigned char byte : bytes)
        suffix += letters[byte % (sizeof letters - 1)];
    return suffix;
}

} // namespace

WholeFile::WholeFile(const std::string& path) : path_(path) {
    CleanUpOnSignals();
    const auto cannot = [this](int error) {
        openError_ = "cannot write '" + path_ + "': " + std::strerror(error);
    };
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        cannot(EISDIR);
        return;
    }
    if (WrittenInPlace(path)) {
        direct_ = true;
        // Appending keeps a shell's `>>` behind /dev/stdout intact; a fresh
        // `>` file is empty anyway.
        fd_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
        if (fd_ < 0) cannot(errno);
        return;
    }
    const std::string folder = Folder(path);
    fd_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd_ >= 0) {
        unnamed_ = true;
        return;
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        cannot(errno);
        return;
    }
    // A file system without unnamed files: a name nobody can guess or have
    // put anything at, created anew by mkostemp.
    std::string name = path + ".XXXXXX";
    RememberTemporary(name);
    fd_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0) {
        haveNamedTemporary = 0;
        cannot(errno);
        return;
    }
    temporaryName_ = name;
    RememberTemporary(name);
    if (::fchmod(fd_, NewFileMode()) != 0) Fail(std::strerror(errno));
}

WholeFile::~WholeFile() {
    Abandon();
}

bool WholeFile::Write(std::string_view bytes) {
    while (!failure_ && !bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            Fail(std::strerror(n < 0 ? errno : ENOSPC));
        else
            bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return !failure_;
}

void WholeFile::Fail(const std::string& why) {
    if (!failure_) failure_ = "cannot write '" + path_ + "': " + why;
}

std::optional<std::string> WholeFile::Commit() {
    if (openError_) return openError_;
    if (!failure_ && !direct_ && ::fsync(fd_) != 0) Fail(std::strerror(errno));
    if (failure_) {
        Abandon();
        return failure_;
    }
    if (direct_) {
        const int closed = ::close(fd_);
        fd_ = -1;
        if (closed != 0) Fail(std::strerror(errno));
        return failure_;
    }
    if (unnamed_) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        for (int attempt = 0; attempt < 100 && temporaryName_.empty(); ++attempt) {
            std::string name = path_ + RandomSuffix();
            RememberTemporary(name);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
                temporaryName_ = name;
            else if (errno != EEXIST) {
                haveNamedTemporary = 0;
                Fail(std::strerror(errno));
                break;
            }
        }
        if (temporaryName_.empty()) {
            haveNamedTemporary = 0;
            Fail(std::strerror(EEXIST));
        }
    }
    if (!failure_ && ::rename(temporaryName_.c_str(), path_.c_str()) != 0) {
        const int error = errno;
        struct stat entry {};
        const bool foreign = (error == EPERM || error == EACCES) &&
                             ::lstat(path_.c_str(), &entry) == 0 && entry.st_uid != ::geteuid();
        Fail(std::string(std::strerror(error)) +
             (foreign ? " (the file at that path belongs to another user; it was left as it is)"
                      : ""));
    }
    if (failure_) {
        Abandon();
        return failure_;
    }
    temporaryName_.clear();
    haveNamedTemporary = 0;
    ::close(fd_);
    fd_ = -1;
    // Only the folder entry is left to reach the disc; a failure here cannot
    // undo the rename.
    const int folder = ::open(Folder(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return std::nullopt;
}

void WholeFile::Abandon() {
    if (!temporaryName_.empty()) {
        ::unlink(temporaryName_.c_str());
        temporaryName_.clear();
        haveNamedTemporary = 0;
    }
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes) {
    WholeFile file(path);
    if (file.OpenError()) return file.OpenError();
    file.Write(bytes);
    return file.Commit();
}

bool NamesOpenFile(const std::string& path, int fd) {
    struct stat named {
    }, open{};
    return fd >= 0 && ::stat(path.c_str(), &named) == 0 && ::fstat(fd, &open) == 0 &&
           named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

} // namespace zindra::cli
