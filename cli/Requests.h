#pragma once

#include "cli/BufferedIo.h"
#include "engine/BarOptions.h"

namespace zindra::cli {

// Answers every line of `input` through the library, one output line per
// input line, in order; absent keys take the command line's choices
// (`defaults`, whose point size counts only when `pointSizeGiven`). A line
// over MaxRecordBytes is answered with an error. Returns the exit status: 0
// when every line encoded, 1 otherwise.
int RunRequests(InputReader& input, OutputBuffer& out, const BarOptions& defaults,
                bool pointSizeGiven = false);

} // namespace zindra::cli
