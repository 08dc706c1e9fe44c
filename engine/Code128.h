#pragma once

#include "engine/BarResult.h"

#include <optional>
#include <string_view>

namespace zindra {

// The characters of the Code 128 A/B and C faces. Both draw all 107 symbols; they
// differ in which character draws a symbol value.

// the starts and the stop, the same characters in both faces
inline constexpr char16_t Code128StartA = u'{';
inline constexpr char16_t Code128StartB = u'|';
inline constexpr char16_t Code128StartC = u'}';
inline constexpr char16_t Code128Stop = u'~';

// the glyph of each symbol value 0 to 102 in the A/B font: value 0 at 228
// because the font keeps the space, then "!" to "z", then 194 to 205
inline constexpr std::u16string_view Code128AbGlyphs =
    u"\u00E4"
    u"!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz"
    u"\u00C2\u00C3\u00C4\u00C5\u00C6\u00C7\u00C8\u00C9\u00CA\u00CB\u00CC\u00CD";
// the glyph of each symbol value 0 to 102 in the C font: "!" to "z", then 194 to 206
inline constexpr std::u16string_view Code128CGlyphs =
    u"!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz"
    u"\u00C2\u00C3\u00C4\u00C5\u00C6\u00C7\u00C8\u00C9\u00CA\u00CB\u00CC\u00CD\u00CE";
inline constexpr std::size_t Code128SymbolValues = 103;
static_assert(Code128AbGlyphs.size() == Code128SymbolValues &&
              Code128CGlyphs.size() == Code128SymbolValues);

// Word processors turn a typed quote into a curly one, which no longer scans,
// so "No quotes?" prints the quote's symbol from this alternative glyph.
constexpr char16_t Code128AvoidQuote(char16_t glyph, bool noQuotes) {
    constexpr char16_t QuoteSubstitute = 226;
    return noQuotes && glyph == u'"' ? QuoteSubstitute : glyph;
}

// The symbol value of a data character in subsets A and B: codes 32 to 126 are
// their value + 32; the font's high codes 127 to 205 are their value + 103 and
// carry the symbols above "~" and the specials. Below 32 the value would be
// negative; above 205 the font has no glyph. A code above 255 is never folded to
// its low byte: it would print another character.
constexpr std::optional<int> Code128AbValue(char16_t c) {
    constexpr char16_t FirstAscii = 32;
    constexpr char16_t LastAscii = 126;
    constexpr char16_t LastHigh = 205;
    constexpr int AsciiOffset = 32;
    constexpr int HighOffset = 103;
    if (c >= FirstAscii && c <= LastAscii) return c - AsciiOffset;
    if (c > LastAscii && c <= LastHigh) return c - HighOffset;
    return std::nullopt;
}

// The character that writes data character `c` of value `value` in the A/B font:
// the font draws the start and stop symbols at "{" to "~" and keeps the space
// blank, so those data characters are written as their value's glyph instead.
constexpr char16_t Code128AbDataGlyph(char16_t c, int value, bool noQuotes) {
    const bool reservedByFont = c == u' ' || (c >= Code128StartA && c <= Code128Stop);
    return Code128AvoidQuote(reservedByFont ? Code128AbGlyphs[static_cast<std::size_t>(value)] : c,
                             noQuotes);
}

// Code 128 subsets A, B and C (VariantChoice 1, 2, 3).
EncodeOutcome EncodeCode128(std::u16string_view data, int VariantChoice, bool Option2,
                            bool OptionalChecksum, bool DispSums);

// The pair encoding of subset C, shared with SCC-14 and SSCC-18.
struct Code128CSymbol {
    std::u16string FontString; // start, optional FNC1, pairs, check character, stop
    long long Sum = 0;         // the weighted mod-103 sum before the modulo
    int CheckValue = 0;
    char16_t CheckChar = 0;
};

// `digits` must be all digits and of even length.
Code128CSymbol EncodeCode128C(std::u16string_view digits, bool Option2, bool OptionalChecksum);

} // namespace zindra
