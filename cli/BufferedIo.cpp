#include "cli/BufferedIo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zindra::cli {
namespace {

constexpr std::size_t BlockSize = 64 * 1024;

} // namespace

void OutputBuffer::FlushIfFull() {
    if (text_.size() >= BlockSize) Flush();
}

bool OutputBuffer::Flush() {
    std::size_t done = 0;
    while (!failed_ && done < text_.size()) {
        const ssize_t n = ::write(fd_, text_.data() + done, text_.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            failed_ = true;
        else
            done += static_cast<std::size_t>(n);
    }
    text_.clear();
    return !failed_;
}

InputReader::InputReader(const std::string& path, std::function<void()> beforeRead)
    : beforeRead_(std::move(beforeRead)), block_(BlockSize, '\0') {
    if (path == "-") {
        fd_ = STDIN_FILENO;
        return;
    }
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        openError_ = "cannot open '" + path + "': " + std::strerror(errno);
    else
        ownsFd_ = true;
}

InputReader::~InputReader() {
    if (ownsFd_) ::close(fd_);
}

bool InputReader::Next(std::string_view& block) {
    if (fd_ < 0 || !readError_.empty()) return false;
    if (beforeRead_) beforeRead_();
    for (;;) {
        const ssize_t n = ::read(fd_, block_.data(), block_.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            readError_ = std::string("cannot read input: ") + std::strerror(errno);
            return false;
        }
        block = std::string_view(block_.data(), static_cast<std::size_t>(n));
        return n > 0;
    }
}

void ForEachLine(InputReader& input,
                 const std::function<void(std::string_view line, bool tooLong)>& onLine) {
    std::string partial; // a line cut at a block boundary
    bool tooLong = false;
    // Adds to the line being read, or drops it once it is over the limit.
    const auto keep = [&](std::string_view text) {
        if (tooLong) return;
        if (partial.size() + text.size() > MaxRecordBytes) {
            tooLong = true;
            partial.clear();
        } else {
            partial.append(text);
        }
    };
    const auto hand = [&](std::string_view line) {
        onLine(tooLong ? std::string_view() : line, tooLong);
        partial.clear();
        tooLong = false;
    };
    std::string_view block;
    while (input.Next(block)) {
        for (;;) {
            const std::size_t end = block.find('\n');
            if (end == std::string_view::npos) break;
            if (partial.empty() && !tooLong && end <= MaxRecordBytes) {
                onLine(block.substr(0, end), false);
            } else {
                keep(block.substr(0, end));
                hand(partial);
            }
            block.remove_prefix(end + 1);
        }
        keep(block);
    }
    if (!partial.empty() || tooLong) hand(partial);
}

} // namespace zindra::cli
