#pragma once

#include "engine/BarOptions.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <variant>

namespace zindra {

// What every answer to a request that is not one begins with.
inline constexpr char BadRequestPrefix[] = "bad request: ";

// Reads one request line: a JSON object with "data" and any of "symbology",
// "variant", "font_type", "size", "checksum", "option2", "sums",
// "point_size", "extra". Absent keys keep the value of `defaults`. Returns the
// request's choices, or why the line is not a request (without the
// "bad request: " prefix). Without "point_size", and unless the caller's
// defaults carry one (`pointSizeGiven`), the request takes its symbology's
// usual size.
//
// Any other key, but one that names a field of an answer, is the caller's own (an "id" to match
// answers to rows): it is put into `carried`, to come back at the end of the answer. A key that is
// a known one but for case, "_" and "-" ("checkSum", "point-size") is a typo whose choice would
// silently not be made: it is refused.
std::variant<BarOptions, std::string> ParseRequest(std::string_view line,
                                                   const BarOptions& defaults,
                                                   bool pointSizeGiven = false,
                                                   nlohmann::ordered_json* carried = nullptr);

// Answers one request line: appends one JSON object (no line feed) to `out`,
// the caller's own keys at its end. A key that names a field of an answer is
// refused, so no answer ever holds a value the program did not write.
// Returns true when the line was a valid request that encoded. Never throws
// but for want of memory; any bytes at all may be given.
bool AnswerRequest(std::string_view line, const BarOptions& defaults, std::string& out,
                   bool pointSizeGiven = false);

} // namespace zindra
