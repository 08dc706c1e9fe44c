#pragma once

#include "cli/BufferedIo.h"
#include "cli/CommandLine.h"

namespace zindra::cli {

// Encodes the one DATA of the command line: the plain line (or the JSON
// object with --json) on `out`, an encoding error on `err` (or in the JSON
// object), and the PNG when asked for. Returns the exit status: 0 success,
// 1 an encoding error, 2 when the image could not be made.
int RunSingleRequest(const CommandLine& line, OutputBuffer& out, OutputBuffer& err);

} // namespace zindra::cli
