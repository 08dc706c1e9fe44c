#include "engine/Code128.h"

#include "engine/Functions.h"

#include <array>
#include <optional>
#include <string>

namespace zindra {
namespace {

constexpr int Modulus = 103;
constexpr int Fnc1Value = 102;

// start character, start value and message letter of subsets A and B
struct AbSubset {
    char16_t StartChar;
    int StartValue;
    char16_t Letter;
};
constexpr std::array<AbSubset, 2> AbSubsets = {
    {{Code128StartA, 103, u'A'}, {Code128StartB, 104, u'B'}}};

constexpr int StartCValue = 105;

EncodeOutcome EncodeSubsetAB(std::u16string_view data, const AbSubset& subset, bool Option2,
                             bool OptionalChecksum, bool DispSums) {
    std::u16string font;
    font.reserve(data.size() + 4); // start, FNC1, check and stop around the data
    font.push_back(subset.StartChar);
    // wide enough that a long text cannot overflow the sum shown in the sums line
    long long sum = subset.StartValue;
    long long weight = 1;
    if (Option2) {
        font.push_back(Code128AbGlyphs[Fnc1Value]);
        sum += Fnc1Value;
        weight = 2;
    }
    for (std::size_t i = 0; i < data.size(); ++i) {
        const char16_t c = data[i];
        const std::optional<int> value = Code128AbValue(c);
        if (!value) {
            const std::u16string named = FormatCharMessage(
                u"Error: input character \"%c\" not legal in bar code 128 subset %c",
                CharacterAt(data, i));
            return EncodeError{FormatCharMessage(named, std::u16string(1, subset.Letter))};
        }
        sum += weight++ * *value;
        font.push_back(Code128AbDataGlyph(c, *value, OptionalChecksum));
    }
    const auto check = static_cast<int>(sum % Modulus);
    const char16_t checkChar = Code128AbGlyphs[static_cast<std::size_t>(check)];
    font.push_back(checkChar);
    font.push_back(Code128Stop);

    BarResult result;
    if (DispSums)
        result.SumsText = FormatFields(
            u"   Sum: %d  Checksum: %d  ASCII: %d %s",
            {ToU16(sum), ToU16(check), ToU16(checkChar), std::u16string(1, checkChar)});
    result.FontString = std::move(font);
    result.SampleText = PaddedSample(result.FontString);
    return result;
}

EncodeOutcome EncodeSubsetC(std::u16string_view data, bool Option2, bool OptionalChecksum,
                            bool DispSums) {
    for (char16_t c : data)
        if (!IsDigit(c))
            return EncodeError{u"Error, you can only encode digits with bar code 128 Subset C"};
    if (data.size() % 2 != 0)
        return EncodeError{u"Error, you must encode an even number of digits"};

    Code128CSymbol symbol = EncodeCode128C(data, Option2, OptionalChecksum);
    BarResult result;
    if (DispSums)
        result.SumsText =
            FormatFields(u"   Sum: %d  Checksum: %d  ASCII: %d",
                         {ToU16(symbol.Sum), ToU16(symbol.CheckValue), ToU16(symbol.CheckChar)});
    result.FontString = std::move(symbol.FontString);
    result.SampleText = PaddedSample(result.FontString);
    return result;
}

} // namespace

EncodeOutcome EncodeCode128(std::u16string_view data, int VariantChoice, bool Option2,
                            bool OptionalChecksum, bool DispSums) {
    if (VariantChoice == 3) return EncodeSubsetC(data, Option2, OptionalChecksum, DispSums);
    const AbSubset& subset = AbSubsets[VariantChoice == 1 ? 0 : 1];
    return EncodeSubsetAB(data, subset, Option2, OptionalChecksum, DispSums);
}

Code128CSymbol EncodeCode128C(std::u16string_view digits, bool Option2, bool OptionalChecksum) {
    Code128CSymbol symbol;
    symbol.FontString.reserve(digits.size() / 2 + 4); // start, FNC1, check and stop
    symbol.FontString.push_back(Code128StartC);
    // Kept wide so that the check value stays right however long the data is.
    long long sum = StartCValue;
    long long weight = 1;
    if (Option2) {
        symbol.FontString.push_back(Code128CGlyphs[Fnc1Value]);
        sum += Fnc1Value;
        weight = 2;
    }
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        const int value = DigitValue(digits[i]) * 10 + DigitValue(digits[i + 1]);
        sum += weight++ * value;
        symbol.FontString.push_back(
            Code128AvoidQuote(Code128CGlyphs[static_cast<std::size_t>(value)], OptionalChecksum));
    }
    symbol.Sum = sum;
    symbol.CheckValue = static_cast<int>(sum % Modulus);
    symbol.CheckChar = Code128CGlyphs[static_cast<std::size_t>(symbol.CheckValue)];
    symbol.FontString.push_back(symbol.CheckChar);
    symbol.FontString.push_back(Code128Stop);
    return symbol;
}

} // namespace zindra
