#pragma once

#include <span>
#include <string_view>

namespace zindra {

// One component of an AI's data field, as the GS1 Barcode Syntax Dictionary gives it.
struct Gs1Component {
    char Type; // 'N' digits, 'X' the 82-character set, 'Y' the 39, 'Z' base64url
    int MinLength;
    int MaxLength;
    bool Optional;            // may be left out once the data is used up
    std::string_view Linters; // the dictionary's check routines, comma-separated
};

struct Gs1Ai {
    std::string_view Ai;
    bool PredefinedLength; // the dictionary's "*": no FNC1 after it
    std::span<const Gs1Component> Components;
    std::string_view Excludes; // AIs or patterns ("310n") it cannot share a symbol with
    std::string_view Requires; // space-separated groups of alternatives ("01+21,03+21")
};

// Every AI of the dictionary, in AI order; generated at build time from the vendored file.
std::span<const Gs1Ai> Gs1Ais();

} // namespace zindra
