#pragma once

#include <optional>
#include <string>
#include <variant>

namespace zindra {

// The output of one successful encoding.
struct BarResult {
    std::u16string FontString;
    std::u16string SumsText;              // only Code 93 and Code 128 with DispSums
    std::u16string SampleText;            // what the sample field shows
    int SampleSize = 0;                   // filled in by EncodeRequest
    std::optional<int> OutputTextSize;    // Code 93 only
    std::u16string HumanText;             // SCC-14 / SSCC-18 / GS1-128 human-readable line
    std::u16string Warning = {};          // GS1-128: pairings the symbol leaves to others

    // What the output field shows: the font string followed by the sums line.
    std::u16string BarTextOut() const { return FontString + SumsText; }

    bool operator==(const BarResult&) const = default;
};

// The one message of a failed encoding, exactly as the user sees it.
struct EncodeError {
    std::u16string Message;
    bool operator==(const EncodeError&) const = default;
};

using EncodeOutcome = std::variant<BarResult, EncodeError>;

inline bool IsError(const EncodeOutcome& outcome) {
    return std::holds_alternative<EncodeError>(outcome);
}

} // namespace zindra
