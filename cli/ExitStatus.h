#pragma once

#include "cli/BufferedIo.h"

#include <cstdio>
#include <string>
#include <string_view>

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

// A message as it may reach a terminal: the data's control characters (C0,
// DEL and the C1 range U+0080 to U+009F, which terminals act on too) are
// written as escapes so that no record can move the cursor or retitle the window.
inline std::string Shown(std::string_view message) {
    std::string shown;
    shown.reserve(message.size());
    char escape[8];
    for (std::size_t i = 0; i < message.size(); ++i) {
        const auto byte = static_cast<unsigned char>(message[i]);
        const bool c1 = byte == 0xC2 && i + 1 < message.size() &&
                        static_cast<unsigned char>(message[i + 1]) <= 0x9F &&
                        static_cast<unsigned char>(message[i + 1]) >= 0x80;
        if (byte < 0x20 || byte == 0x7F) {
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            shown += escape;
        } else if (c1) {
            std::snprintf(escape, sizeof escape, "\\u%04x",
                          static_cast<unsigned char>(message[++i]));
            shown += escape;
        } else {
            shown.push_back(message[i]);
        }
    }
    return shown;
}

// Tells why a run cannot go on, on stderr.
inline ExitStatus Complain(OutputBuffer& err, const std::string& message) {
    err.Text() += "zindra-encode: " + Shown(message) + "\n";
    return BadUsageOrIo;
}

} // namespace zindra::cli
