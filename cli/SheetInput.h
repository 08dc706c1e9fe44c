#pragma once

#include "cli/BufferedIo.h"

#include <optional>
#include <string>

namespace zindra::cli {

// Lets `input` be read a second time from where it stands now: one size for
// a whole run needs every record measured before the first is printed, and
// memory must not grow with the list. A file is read again from the same
// place; input that can be read only once (a pipe, a terminal) is copied
// first to an unnamed temporary file, which then takes its place. Returns
// why that could not be done.
class SecondReading {
  public:
    explicit SecondReading(InputReader& input) : input_(input) {}

    std::optional<std::string> Prepare();
    // Back to where the first reading began; why not, if it cannot.
    std::optional<std::string> Rewind() const;

  private:
    InputReader& input_;
    long long start_ = 0;
};

} // namespace zindra::cli
