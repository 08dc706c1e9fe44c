#include "cli/SheetInput.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zindra::cli {
namespace {

std::string Failure(const char* what) {
    return std::string("cannot keep the input for a second reading (") + what +
           "): " + std::strerror(errno);
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::optional<std::string> SecondReading::Prepare() {
    const int fd = input_.Descriptor();
    start_ = ::lseek(fd, 0, SEEK_CUR);
    if (start_ >= 0) return std::nullopt;
    const char* folder = std::getenv("TMPDIR");
    // Unnamed, so nothing is left behind whatever ends the run.
    const int spool =
        ::open(folder && *folder ? folder : "/tmp", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (spool < 0) return Failure("a temporary file");
    std::string_view block;
    bool written = true;
    while (written && input_.Next(block))
        written = WriteAll(spool, block);
    // A read error is the input's own, and reported as such by the reading.
    if (!written || ::dup2(spool, fd) < 0) {
        const auto why = Failure("a temporary file");
        ::close(spool);
        return why;
    }
    ::close(spool);
    start_ = 0;
    return Rewind();
}

std::optional<std::string> SecondReading::Rewind() const {
    if (::lseek(input_.Descriptor(), start_, SEEK_SET) < 0) return Failure("rewinding");
    return std::nullopt;
}

} // namespace zindra::cli
