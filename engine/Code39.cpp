#include "engine/Code39.h"

#include "engine/Code39Tables.h"
#include "engine/Functions.h"

#include <array>
#include <cstdint>
#include <string>

namespace zindra {
namespace {

constexpr std::size_t Code39Modulus = 43;
constexpr char16_t FirstNonAscii = 128;
constexpr std::int8_t NotLegal = -1;

// Code39Value of each code below 128, NotLegal where Code39Legal lacks it: a
// lookup per data character instead of a search of the 43 legal ones.
constexpr std::array<std::int8_t, FirstNonAscii> Code39Values = [] {
    std::array<std::int8_t, FirstNonAscii> values{};
    values.fill(NotLegal);
    for (std::size_t value = 0; value < Code39Legal.size(); ++value)
        values[Code39Legal[value]] = static_cast<std::int8_t>(value);
    return values;
}();

constexpr char16_t EscapeChar = u'^';

// What "^" makes of the character after it: "0" is NUL, "1" to "9" all give
// SOH, anything else is taken as the letter of a "$" control pair.
std::u16string Escape(std::u16string_view next) {
    if (next == u"0") return u"%U";
    if (next.size() == 1 && IsDigit(next.front())) return u"%A";
    return u"$" + std::u16string(next);
}

// Control characters, DEL and everything above it are dropped without a message.
std::u16string ExpandFullAscii(std::u16string_view data) {
    std::u16string expanded;
    expanded.reserve(data.size() * 2);
    for (std::size_t i = 0; i < data.size(); ++i) {
        const char16_t c = data[i];
        if (c == EscapeChar) {
            if (i + 1 == data.size()) break;
            const std::u16string next = CharacterAt(data, i + 1);
            expanded += Escape(next);
            i += next.size();
        } else if (c >= FirstPrintable && c <= LastPrintable) {
            expanded += Code39FullAscii[c - FirstPrintable];
        }
    }
    return expanded;
}

} // namespace

EncodeOutcome EncodeCode39(std::u16string_view data, bool Option2, bool OptionalChecksum) {
    const std::u16string expanded = Option2 ? ExpandFullAscii(data) : std::u16string();
    const std::u16string_view text = Option2 ? std::u16string_view(expanded) : data;
    // Full ASCII drops what it cannot encode; two stop characters alone carry no data.
    if (text.empty())
        return EncodeError{u"Error: no character of the data is legal in bar code 3 of 9"};

    BarResult result;
    std::u16string& font = result.FontString;
    font.reserve(text.size() + 3); // the two "*" and the check character
    font.push_back(Code39StartStop);
    // Only the check value's residue matters, so the sum is kept reduced.
    std::size_t sum = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int value = text[i] < FirstNonAscii ? Code39Values[text[i]] : NotLegal;
        if (value == NotLegal)
            return EncodeError{
                FormatCharMessage(u"Error: input character \"%c\" not legal in bar code 3 of 9",
                                  CharacterAt(text, i))};
        sum = (sum + static_cast<std::size_t>(value)) % Code39Modulus;
        font.push_back(Code39Char[static_cast<std::size_t>(value)]);
    }
    if (OptionalChecksum) font.push_back(Code39Char[sum]);
    font.push_back(Code39StartStop);

    result.SampleText = PaddedSample(font);
    return result;
}

} // namespace zindra
