#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zindra {

struct Gs1ElementString {
    std::u16string Ai;
    std::u16string Data;
    bool PredefinedLength; // needs no FNC1 after it
};

struct Gs1Message {
    std::vector<Gs1ElementString> Elements;
    std::u16string Warning; // pairings the label may still hold in another symbol
};

// Every failed check, one line each, in the order of the data.
struct Gs1Problems {
    std::u16string Text;
};

// Reads element strings typed with their AIs in parentheses or square brackets,
// "(01)09501101530003(10)AB-123", and checks them against the syntax dictionary.
std::variant<Gs1Message, Gs1Problems> ReadGs1ElementStrings(std::u16string_view data);

// Data characters of a message: AIs, data and the separator FNC1s between them.
std::size_t Gs1DataLength(const std::vector<Gs1ElementString>& elements);

} // namespace zindra
