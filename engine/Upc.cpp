#include "engine/Upc.h"

#include "engine/AddOn.h"
#include "engine/EanUpcDigits.h"
#include "engine/EanUpcSets.h"
#include "engine/Functions.h"

#include <array>
#include <string>
#include <variant>

namespace zindra {
namespace {

// sets of the six UPC-E digits by the check digit, number system 0 (ISO/IEC 15420)
constexpr std::array<std::string_view, 10> UpcEParity = {
    "BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",
    "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB",
};

// One zero-suppression rule of UPC-E: where its six digits come from (UPC-A
// positions 1 to 11, 0 for the rule's fixed digit) and the positions 7 to
// `lastLeftOut` it drops, which must be zeros or the UPC-E would carry
// another number.
struct Suppression {
    std::array<int, 6> from;
    int fixedDigit;
    int lastLeftOut;
    bool lastNamesRule; // the sixth digit tells a scanner the rule, so d11 must be 5 to 9
};

constexpr int FirstLeftOut = 7;
constexpr Suppression RuleA{{2, 3, 9, 10, 11, 4}, 0, 8, false};
constexpr Suppression RuleB{{2, 3, 4, 10, 11, 0}, 3, 9, false};
constexpr Suppression RuleD{{2, 3, 4, 5, 6, 11}, 0, 10, true};
constexpr Suppression RuleC{{2, 3, 4, 5, 11, 0}, 4, 10, false};

constexpr std::size_t UpcDataLength = 11;
constexpr int UpcOddWeight = 3;
constexpr char16_t UpcALead = u' ';
constexpr char16_t UpcEStart[] = {u' ', LeftGuard, u'\0'};
constexpr int NoSupplement = 1;
constexpr int TwoDigitSupplement = 2;
constexpr int FiveDigitSupplement = 3;

// d is the 1-based UPC-A digit position.
int Digit(std::u16string_view digits, int d) {
    return DigitValue(digits[static_cast<std::size_t>(d - 1)]);
}

// Rules tried in the order A, B, D, C; n is the number d4 d5 d6.
const Suppression& UpcERule(std::u16string_view digits) {
    const int n = Digit(digits, 4) * 100 + Digit(digits, 5) * 10 + Digit(digits, 6);
    if (n % 100 == 0 && n <= 200) return RuleA;
    if (n % 100 == 0) return RuleB;
    if (Digit(digits, 6) != 0) return RuleD;
    return RuleC;
}

std::array<int, 6> UpcEDigits(std::u16string_view digits, const Suppression& rule) {
    std::array<int, 6> kept{};
    for (std::size_t k = 0; k < kept.size(); ++k)
        kept[k] = rule.from[k] == 0 ? rule.fixedDigit : Digit(digits, rule.from[k]);
    return kept;
}

bool LeftOutAreZeros(std::u16string_view digits, const Suppression& rule) {
    for (int d = FirstLeftOut; d <= rule.lastLeftOut; ++d)
        if (Digit(digits, d) != 0) return false;
    return true;
}

// Only called once the symbol has passed every check, so a data error is
// always reported before a supplement error.
EncodeOutcome WithSupplement(const std::u16string& symbol, int VariantChoice,
                             std::u16string_view extra) {
    constexpr char16_t DigitsMessage[] = u"Supplemental code must be all digits";
    AddOnOutcome addOn = std::u16string();
    if (VariantChoice == FiveDigitSupplement)
        addOn =
            EncodeAddOn5(extra, {u"This supplemental code must be 5 digits long", DigitsMessage});
    else if (VariantChoice == TwoDigitSupplement)
        addOn =
            EncodeAddOn2(extra, {u"This supplemental code must be 2 digits long", DigitsMessage});
    if (auto* error = std::get_if<EncodeError>(&addOn)) return *error;
    return SymbolResult(symbol + std::get<std::u16string>(addOn));
}

} // namespace

EncodeOutcome EncodeUpcA(std::u16string_view data, int VariantChoice, std::u16string_view extra) {
    constexpr DigitMessages Messages{u"Error, UPC-A must have 11 data digits",
                                     u"Error, you can only encode digits with a UPC-A bar code"};
    const CheckedOutcome read = ReadSymbolDigits(data, UpcDataLength, UpcOddWeight, Messages);
    if (const auto* error = std::get_if<EncodeError>(&read)) return *error;
    const auto [digits, check] = std::get<CheckedDigits>(read);

    std::u16string symbol(1, UpcALead);
    symbol += EanDigitChar(Digit(digits, 1), EanSet::Lead);
    for (int d = 2; d <= 6; ++d)
        symbol += EanDigitChar(Digit(digits, d), EanSet::A);
    symbol += CentreGuard;
    for (int d = 7; d <= 11; ++d)
        symbol += EanDigitChar(Digit(digits, d), EanSet::C);
    symbol += EanDigitChar(check, EanSet::B);
    return WithSupplement(symbol, VariantChoice, extra);
}

EncodeOutcome EncodeUpcE(std::u16string_view data, int VariantChoice, std::u16string_view extra) {
    // Tested before the length, so "1" is told to start with a zero.
    constexpr char16_t ZeroMessage[] = u"Error, UPC-E codes must start with a zero";
    if (data.empty() || data[0] != u'0') return EncodeError{ZeroMessage};

    constexpr DigitMessages Messages{u"Error, UPC-E is based on 11 data digits",
                                     u"Error, you can only encode digits with a UPC-E bar code"};
    const CheckedOutcome read = ReadSymbolDigits(data, UpcDataLength, UpcOddWeight, Messages);
    if (const auto* error = std::get_if<EncodeError>(&read)) return *error;
    const auto [digits, check] = std::get<CheckedDigits>(read);

    const Suppression& rule = UpcERule(digits);
    constexpr char16_t ProductCodeMessage[] = u"Error, product code must range from 5 though 9";
    if (rule.lastNamesRule && Digit(digits, 11) < 5) return EncodeError{ProductCodeMessage};

    constexpr char16_t SuppressionMessage[] =
        u"Error, this UPC-A number cannot be zero-suppressed to UPC-E";
    if (!LeftOutAreZeros(digits, rule)) return EncodeError{SuppressionMessage};

    const std::string_view parity = UpcEParity[static_cast<std::size_t>(check)];
    const std::array<int, 6> kept = UpcEDigits(digits, rule);
    std::u16string symbol(UpcEStart);
    for (std::size_t k = 0; k < kept.size(); ++k)
        symbol += EanDigitChar(kept[k], SymbolSet(parity[k]));
    symbol += RightGuard;
    // With a supplement the check digit gives way to it; the parity still carries it.
    if (VariantChoice == NoSupplement) symbol += EanDigitChar(check, EanSet::C);
    return WithSupplement(symbol, VariantChoice, extra);
}

} // namespace zindra
