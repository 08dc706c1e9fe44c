#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zindra::cli {

// An output file the user named, written whole or not at all. The bytes go
// to a temporary file in the target's own folder (unnamed where the file
// system allows it, so that even a killed run leaves nothing behind), and
// only a complete, flushed file is renamed over the target. A run that
// fails, or is ended by SIGTERM, SIGINT or SIGHUP, leaves the target as it
// was and no temporary file. The rename replaces a link at the target
// instead of writing through it, so another user's link in a shared folder
// never chooses which file is written.
//
// A device or FIFO the user names (/dev/stdout, a pipe) cannot be replaced:
// it is written directly, and a failure says only what happened.
//
// Paths are bytes, used as given.
class WholeFile {
  public:
    explicit WholeFile(const std::string& path);
    ~WholeFile(); // abandons the temporary file unless Commit succeeded
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;

    // Why the file cannot be written at all, or nothing.
    const std::optional<std::string>& OpenError() const { return openError_; }
    // Where the bytes go; -1 after an open error.
    int Descriptor() const { return fd_; }
    // Writes `bytes` to the end; false once any write failed (the reason is kept).
    bool Write(std::string_view bytes);
    // Records a failure met elsewhere (a writer on top of Descriptor()).
    void Fail(const std::string& why);
    // Flushes and puts the file in place; returns why it could not, or nothing.
    std::optional<std::string> Commit();

  private:
    void Abandon();

    std::string path_;
    std::string temporaryName_; // set while a named temporary file exists
    int fd_ = -1;
    bool direct_ = false; // a device or FIFO, written in place
    bool unnamed_ = false;
    std::optional<std::string> openError_;
    std::optional<std::string> failure_;
};

// The whole of `bytes` into `path` as above; returns why not, or nothing.
std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes);

// True when `path` names the same file as the open descriptor `fd` (the same
// device and inode, through any link), so writing it would destroy the input.
bool NamesOpenFile(const std::string& path, int fd);

} // namespace zindra::cli
