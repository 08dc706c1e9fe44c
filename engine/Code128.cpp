#include "engine/Code128.h"

#include "engine/Functions.h"

#include <array>
#include <optional>
#include <string>

namespace zindra {
namespace {

// the glyph of each symbol value 0 to 102 in the A/B font: value 0 at 228
// because the font keeps the space, then "!" to "z", then 194 to 205
constexpr std::u16string_view AbFontGlyphs =
    u"\u00E4"
    u"!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz"
    u"\u00C2\u00C3\u00C4\u00C5\u00C6\u00C7\u00C8\u00C9\u00CA\u00CB\u00CC\u00CD";
// the glyph of each symbol value 0 to 102 in the C font: "!" to "z", then 194 to 206
constexpr std::u16string_view CFontGlyphs =
    u"!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz"
    u"\u00C2\u00C3\u00C4\u00C5\u00C6\u00C7\u00C8\u00C9\u00CA\u00CB\u00CC\u00CD\u00CE";
constexpr std::size_t SymbolValues = 103;
static_assert(AbFontGlyphs.size() == SymbolValues && CFontGlyphs.size() == SymbolValues);

constexpr int Modulus = 103;
constexpr int Fnc1Value = 102;
constexpr char16_t StopChar = u'~';

// start character, start value and message letter of subsets A and B
struct AbSubset {
    char16_t StartChar;
    int StartValue;
    char16_t Letter;
};
constexpr std::array<AbSubset, 2> AbSubsets = {{{u'{', 103, u'A'}, {u'|', 104, u'B'}}};

constexpr char16_t StartCChar = u'}';
constexpr int StartCValue = 105;

// Word processors turn a typed quote into a curly one, which no longer scans,
// so "No quotes?" prints the quote's symbol from this alternative glyph.
constexpr char16_t QuoteSubstitute = 226;

// Data codes 32 to 126 are their value + 32; the font's high codes 127 to 205
// are their value + 103 and carry the symbols above "~" and the specials.
constexpr char16_t FirstAscii = 32;
constexpr char16_t LastAscii = 126;
constexpr char16_t LastHigh = 205;
constexpr int AsciiOffset = 32;
constexpr int HighOffset = 103;

char16_t AvoidQuote(char16_t glyph, bool noQuotes) {
    return noQuotes && glyph == u'"' ? QuoteSubstitute : glyph;
}

// Below 32 the value would be negative; above 205 the font has no glyph. A
// code above 255 is never folded to its low byte: it would print another character.
std::optional<int> AbValue(char16_t c) {
    if (c >= FirstAscii && c <= LastAscii) return c - AsciiOffset;
    if (c > LastAscii && c <= LastHigh) return c - HighOffset;
    return std::nullopt;
}

// The font draws the start and stop symbols at "{" to "~" and keeps the space
// blank, so those data characters are written as their value's glyph instead.
char16_t AbDataGlyph(char16_t c, int value, bool noQuotes) {
    const bool reservedByFont = c == u' ' || (c >= u'{' && c <= StopChar);
    return AvoidQuote(reservedByFont ? AbFontGlyphs[value] : c, noQuotes);
}

EncodeOutcome EncodeSubsetAB(std::u16string_view data, const AbSubset& subset, bool Option2,
                             bool OptionalChecksum, bool DispSums) {
    std::u16string font;
    font.reserve(data.size() + 4); // start, FNC1, check and stop around the data
    font.push_back(subset.StartChar);
    // wide enough that a long text cannot overflow the sum shown in the sums line
    long long sum = subset.StartValue;
    long long weight = 1;
    if (Option2) {
        font.push_back(AbFontGlyphs[Fnc1Value]);
        sum += Fnc1Value;
        weight = 2;
    }
    for (std::size_t i = 0; i < data.size(); ++i) {
        const char16_t c = data[i];
        const std::optional<int> value = AbValue(c);
        if (!value) {
            const std::u16string named = FormatCharMessage(
                u"Error: input character \"%c\" not legal in bar code 128 subset %c",
                CharacterAt(data, i));
            return EncodeError{FormatCharMessage(named, std::u16string(1, subset.Letter))};
        }
        sum += weight++ * *value;
        font.push_back(AbDataGlyph(c, *value, OptionalChecksum));
    }
    const auto check = static_cast<int>(sum % Modulus);
    const char16_t checkChar = AbFontGlyphs[check];
    font.push_back(checkChar);
    font.push_back(StopChar);

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
    symbol.FontString.push_back(StartCChar);
    // Kept wide so that the check value stays right however long the data is.
    long long sum = StartCValue;
    long long weight = 1;
    if (Option2) {
        symbol.FontString.push_back(CFontGlyphs[Fnc1Value]);
        sum += Fnc1Value;
        weight = 2;
    }
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        const int value = DigitValue(digits[i]) * 10 + DigitValue(digits[i + 1]);
        sum += weight++ * value;
        symbol.FontString.push_back(AvoidQuote(CFontGlyphs[value], OptionalChecksum));
    }
    symbol.Sum = sum;
    symbol.CheckValue = static_cast<int>(sum % Modulus);
    symbol.CheckChar = CFontGlyphs[symbol.CheckValue];
    symbol.FontString.push_back(symbol.CheckChar);
    symbol.FontString.push_back(StopChar);
    return symbol;
}

} // namespace zindra
