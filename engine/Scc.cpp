#include "engine/Scc.h"

#include "engine/Code128.h"
#include "engine/Functions.h"

#include <array>
#include <string>

namespace zindra {
namespace {

// What differs between SCC-14 and SSCC-18. In the human-readable pattern each
// "#" takes the next data digit and the last one the check digit.
struct SccKind {
    std::size_t DataLength;
    std::u16string_view Identifier;
    std::u16string_view LengthMessage;
    std::u16string_view HumanPattern;
};

// SCC-14 (VariantChoice 4) and SSCC-18 (VariantChoice 5)
constexpr std::array<SccKind, 2> SccKinds = {{
    {13, u"01", u"Error, SCC-14 data is 13 digits long plus a checksum that we calculate",
     u" (01) # ## ##### ##### #"},
    {17, u"00", u"Error, SSCC-18 data is 17 digits long plus a checksum that we calculate",
     u" (00) ################# #"},
}};

constexpr bool PatternFits(const SccKind& kind) {
    std::size_t slots = 0;
    for (char16_t c : kind.HumanPattern)
        slots += c == u'#' ? 1 : 0;
    return slots == kind.DataLength + 1;
}
static_assert(PatternFits(SccKinds[0]) && PatternFits(SccKinds[1]));

// mod-10 weights of the data digits from the left, repeating
constexpr std::array<int, 2> Mod10Weights = {3, 1};

char16_t Mod10CheckDigit(std::u16string_view digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i)
        sum += Mod10Weights[i % Mod10Weights.size()] * DigitValue(digits[i]);
    return DigitChar(ModTenComplement(sum));
}

std::u16string HumanLine(std::u16string_view pattern, std::u16string_view digits) {
    std::u16string line(pattern);
    std::size_t next = 0;
    for (char16_t& c : line)
        if (c == u'#') c = digits[next++];
    return line;
}

} // namespace

EncodeOutcome EncodeScc(std::u16string_view data, int VariantChoice, bool Option2,
                        bool OptionalChecksum, FontType fontType, bool DispSums) {
    const SccKind& kind = SccKinds[VariantChoice == 5 ? 1 : 0];
    for (char16_t c : data)
        if (!IsDigit(c))
            return EncodeError{u"Error, you can only encode digits with bar code 128 Subset C"};
    if (data.size() != kind.DataLength) return EncodeError{std::u16string(kind.LengthMessage)};

    const char16_t checkDigit = Mod10CheckDigit(data);
    const std::u16string digits =
        std::u16string(kind.Identifier) + std::u16string(data) + checkDigit;
    Code128CSymbol symbol = EncodeCode128C(digits, Option2, OptionalChecksum);

    BarResult result;
    if (DispSums)
        result.SumsText = FormatFields(u"   Mod10: %s  Sum: %d  Checksum: %d  ASCII: %d",
                                       {std::u16string(1, checkDigit), ToU16(symbol.Sum),
                                        ToU16(symbol.CheckValue), ToU16(symbol.CheckChar)});
    result.HumanText = HumanLine(kind.HumanPattern, std::u16string(data) + checkDigit);
    result.SampleText = PaddedSample(symbol.FontString);
    if (fontType == FontType::HumanReadable) result.SampleText += u"\n" + result.HumanText;
    result.FontString = std::move(symbol.FontString);
    return result;
}

} // namespace zindra
