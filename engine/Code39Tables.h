#pragma once

#include <array>
#include <string_view>

namespace zindra {

// the 43 data characters of ISO/IEC 16388, each at its Code39Value
inline constexpr std::u16string_view Code39Legal = u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

// the font character of each Code 39 value; the font draws the space symbol at "~"
// because the space itself is the blank quiet zone the samples end with
inline constexpr std::u16string_view Code39Char = u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.~$/+%";
inline constexpr char16_t Code39StartStop = u'*';

// Code93Char: the font character of each of the 47 symbol values of ANSI/AIM
// BC5; "~" is the space, "<" "=" ">" "?" the shifts ($) (%) (/) (+)
inline constexpr std::u16string_view Code93Char =
    u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.~$/+%<=>?";
inline constexpr char16_t Code93Start = u'(';
inline constexpr char16_t Code93Stop = u')';

inline constexpr char16_t FirstPrintable = 32;
inline constexpr char16_t LastPrintable = 126;

// Code39FullAscii of the codes 32 to 126, the full ASCII table of ISO/IEC 16388;
// Code 39 reads "^" as its escape before it looks here
inline constexpr std::array<std::u16string_view, LastPrintable - FirstPrintable + 1>
    Code39FullAscii = {
        u" ",  u"/A", u"/B", u"/C", u"/D", u"/E", u"/F", u"/G", //  !"#$%&'
        u"/H", u"/I", u"/J", u"/K", u"/L", u"-",  u".",  u"/O", // ()*+,-./
        u"0",  u"1",  u"2",  u"3",  u"4",  u"5",  u"6",  u"7",  // 01234567
        u"8",  u"9",  u"/Z", u"%F", u"%G", u"%H", u"%I", u"%J", // 89:;<=>?
        u"%V", u"A",  u"B",  u"C",  u"D",  u"E",  u"F",  u"G",  // @ABCDEFG
        u"H",  u"I",  u"J",  u"K",  u"L",  u"M",  u"N",  u"O",  // HIJKLMNO
        u"P",  u"Q",  u"R",  u"S",  u"T",  u"U",  u"V",  u"W",  // PQRSTUVW
        u"X",  u"Y",  u"Z",  u"%K", u"%L", u"%M", u"%N", u"%O", // XYZ[\]^_
        u"%W", u"+A", u"+B", u"+C", u"+D", u"+E", u"+F", u"+G", // `abcdefg
        u"+H", u"+I", u"+J", u"+K", u"+L", u"+M", u"+N", u"+O", // hijklmno
        u"+P", u"+Q", u"+R", u"+S", u"+T", u"+U", u"+V", u"+W", // pqrstuvw
        u"+X", u"+Y", u"+Z", u"%P", u"%Q", u"%R", u"%S",        // xyz{|}~
};

} // namespace zindra
