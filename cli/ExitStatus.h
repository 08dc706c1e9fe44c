#pragma once

#include "cli/BufferedIo.h"

#include <string>

namespace zindra::cli {

// The one rule of zindra-encode's exit status, in every mode.
enum ExitStatus : int {
    AllEncoded = 0,       // every record encoded and everything written
    SomeRecordFailed = 1, // some record failed to encode (or, on sheets, to fit)
    BadUsageOrIo = 2,     // bad usage, unreadable input or unwritable output
};

inline ExitStatus ExitFor(bool allEncoded) {
    return allEncoded ? AllEncoded : SomeRecordFailed;
}

// Tells why a run cannot go on, on stderr.
inline ExitStatus Complain(OutputBuffer& err, const std::string& message) {
    err.Text() += "zindra-encode: " + message + "\n";
    return BadUsageOrIo;
}

} // namespace zindra::cli
