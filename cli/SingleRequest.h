#pragma once

#include "cli/BufferedIo.h"
#include "cli/CommandLine.h"
#include "engine/BarResult.h"

#include <optional>
#include <string>

namespace zindra::cli {

// Writes the sample of a result as an image file; returns why it could not.
using PngWriter = std::optional<std::string> (*)(const BarOptions& options, const BarResult& result,
                                                 const std::string& path, int dpi);

// Encodes the one DATA of the command line: the plain line (or the JSON
// object with --json) on `out`, an encoding error on `err` (or in the JSON
// object), and with --png the image, through `png`. Returns the exit status:
// 0 success, 1 an encoding error, 2 when the image could not be made.
int RunSingleRequest(const CommandLine& line, OutputBuffer& out, OutputBuffer& err, PngWriter png);

} // namespace zindra::cli
