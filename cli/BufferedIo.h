#pragma once

#include "cli/RecordLimit.h"

#include <functional>
#include <string>
#include <string_view>

namespace zindra::cli {

// Collects output in memory and writes it in large blocks, so bulk runs make
// one system call per block rather than one per record.
class OutputBuffer {
  public:
    explicit OutputBuffer(int fd) : fd_(fd) {}
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;
    ~OutputBuffer() { Flush(); }

    // Where records are appended.
    std::string& Text() { return text_; }
    // Writes the collected text once a block's worth is there.
    void FlushIfFull();
    // Writes everything collected; false once any write has failed.
    bool Flush();

  private:
    int fd_;
    std::string text_;
    bool failed_ = false;
};

// Reads a file or standard input in large blocks. Before each read that may
// wait (a pipe whose writer expects answers first) it runs `beforeRead`, so
// the answers to everything read so far are out and a client that writes one
// request and waits for its answer is never stuck.
class InputReader {
  public:
    // "-" is standard input.
    InputReader(const std::string& path, std::function<void()> beforeRead);
    InputReader(const InputReader&) = delete;
    InputReader& operator=(const InputReader&) = delete;
    ~InputReader();

    // Empty when the file could be opened; otherwise why not.
    const std::string& OpenError() const { return openError_; }
    // What is read from, so that an output can be told apart from it.
    int Descriptor() const { return fd_; }
    // The next block of input; false at the end or on a read error.
    bool Next(std::string_view& block);
    // Empty unless a read failed.
    const std::string& ReadError() const { return readError_; }

  private:
    int fd_ = -1;
    bool ownsFd_ = false;
    std::function<void()> beforeRead_;
    std::string block_;
    std::string openError_;
    std::string readError_;
};

// Splits blocks into lines without the line feed (a carriage return before it
// stays); a last line without a line feed is still a line. `onLine` gets each
// line in order, or an empty text and `tooLong` for a line over MaxRecordBytes.
void ForEachLine(InputReader& input,
                 const std::function<void(std::string_view line, bool tooLong)>& onLine);

} // namespace zindra::cli
