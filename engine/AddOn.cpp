#include "engine/AddOn.h"

#include "engine/EanUpcSets.h"
#include "engine/Functions.h"

#include <array>
#include <string>

namespace zindra {
namespace {

// sets of the five supplement digits by the supplement's check value (GS1's
// standard for the five-digit add-on symbol)
constexpr std::array<std::string_view, 10> AddOn5Parity = {
    "BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA", "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB",
};

// sets of the two supplement digits by their value mod 4 (GS1's
// standard for the two-digit add-on symbol)
constexpr std::array<std::string_view, 4> AddOn2Parity = {"AA", "AB", "BA", "BB"};

constexpr std::size_t AddOn5Length = 5;
constexpr std::size_t AddOn2Length = 2;

// The gap, the start guard and the digits in their sets, a delineator between neighbours.
std::u16string AddOnString(std::u16string_view digits, std::string_view parity) {
    std::u16string out{AddOnGap, AddOnStart};
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0) out += AddOnDelineator;
        out += EanDigitChar(DigitValue(digits[i]), AddOnSet(parity[i]));
    }
    return out;
}

} // namespace

AddOnOutcome EncodeAddOn5(std::u16string_view text, const DigitMessages& messages) {
    if (auto error = WrongDigits(text, AddOn5Length, messages)) return *error;

    // The plain remainder, not a complement: it is never drawn, it only picks
    // the sets.
    int sum = 0;
    for (std::size_t i = 0; i < AddOn5Length; ++i)
        sum += DigitValue(text[i]) * (i % 2 == 0 ? 3 : 9);
    return AddOnString(text, AddOn5Parity[static_cast<std::size_t>(sum % 10)]);
}

AddOnOutcome EncodeAddOn2(std::u16string_view text, const DigitMessages& messages) {
    if (auto error = WrongDigits(text, AddOn2Length, messages)) return *error;

    const int value = DigitValue(text[0]) * 10 + DigitValue(text[1]);
    return AddOnString(text, AddOn2Parity[static_cast<std::size_t>(value % 4)]);
}

} // namespace zindra
