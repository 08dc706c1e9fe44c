#pragma once

#include "cli/BufferedIo.h"
#include "engine/BarOptions.h"

#include <string>
#include <string_view>
#include <variant>

namespace zindra::cli {

// Reads one request line: a JSON object with "data" and any of "symbology",
// "variant", "font_type", "size", "checksum", "option2", "sums",
// "point_size", "extra". Absent keys keep the value of `defaults`. Returns the
// request's choices, or why the line is not a request (without the
// "bad request: " prefix). Without "point_size", and unless the command line
// gave one (`pointSizeGiven`), the request takes its symbology's window size.
std::variant<BarOptions, std::string>
ParseRequest(std::string_view line, const BarOptions& defaults, bool pointSizeGiven = false);

// Answers one request line: appends one JSON object (no line feed) to `out`.
// Returns true when the line was a valid request that encoded. Never throws;
// any bytes at all may be given.
bool AnswerRequest(std::string_view line, const BarOptions& defaults, std::string& out,
                   bool pointSizeGiven = false);

// Answers every line of `input`, one output line per input line, in order; a
// line over MaxRecordBytes is answered with an error. Returns the exit status:
// 0 when every line encoded, 1 otherwise.
int RunRequests(InputReader& input, OutputBuffer& out, const BarOptions& defaults,
                bool pointSizeGiven = false);

} // namespace zindra::cli
