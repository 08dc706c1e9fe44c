#pragma once

#include <string_view>

namespace zindra {

// The subsets the Insert box writes for; Auto carries the real ASCII controls.
enum class Subset { A, B, C, Auto };

// What the Insert button does with the text of ComboBox1 in one subset:
// append one character, append nothing, or refuse with a message.
struct Insertion {
    enum class Kind { Append, Nothing, Refuse };
    Kind kind;
    char16_t character = 0;      // Append
    std::u16string_view message; // Refuse
};

// Items match the whole text exactly, letter case included.
Insertion SpecialCharacterFor(Subset subset, std::u16string_view item);

} // namespace zindra
