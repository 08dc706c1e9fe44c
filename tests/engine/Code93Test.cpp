#include "engine/Code93.h"
#include "tests/TestText.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::U;

std::u16string FontStringOf(const EncodeOutcome& outcome) {
    if (const auto* result = std::get_if<BarResult>(&outcome)) return result->FontString;
    return u"<error> " + std::get<EncodeError>(outcome).Message;
}

TEST(Code93, FontStrings) {
    const std::u16string a14(14, u'A'), a20(20, u'A'), a25(25, u'A');
    const std::pair<std::u16string, std::u16string> rows[] = {
        {u"TEST93", u"(TEST93+6)"},
        {u"CODE 93", u"(CODE~93E0)"},
        {u"ab", u"(?A?BZ%)"},
        {a25, u"(" + a25 + u"+B)"},     // both weights wrap
        {a20, u"(" + a20 + u"WM)"},     // n mod 20 = 0 starts the C weight at 20
        {a14, u"(" + a14 + u"GV)"},     // (n + 1) mod 15 = 0 starts the K weight at 15
        {u"<", u"(<<Z)"},               // the shift symbol itself, not "=G"
        {u"\u00a9", u"(==~)"},          // 169 is the (%) shift; K check 38 is written "~"
        {u"\u00aa", u"(<<Z)"},          // 170 is the ($) shift
        {u"A\u00abB\u00ac", u"(ABV-)"}, // 171 and 172 vanish and are not counted in n
        {u"~", u"(=SMM)"},              // a data "~" is a pair, not the space
    };
    for (const auto& [data, font] : rows)
        EXPECT_EQ(FontStringOf(EncodeCode93(data, false)), font) << test::Show(data);
}

// A character outside the basic set encodes exactly as its pair typed out.
TEST(Code93, FullAsciiPairs) {
    const std::pair<char16_t, const char16_t*> rows[] = {
        {u'!', u">A"}, {u'"', u">B"},  {u'#', u">C"}, {u'&', u">F"}, {u'\'', u">G"}, {u'(', u">H"},
        {u')', u">I"}, {u'*', u">J"},  {u',', u">L"}, {u':', u">Z"}, {u';', u"=F"},  {u'@', u"=V"},
        {u'[', u"=K"}, {u'\\', u"=L"}, {u']', u"=M"}, {u'^', u"=N"}, {u'_', u"=O"},  {u'`', u"=W"},
        {u'z', u"?Z"}, {u'{', u"=P"},  {u'|', u"=Q"}, {u'}', u"=R"},
    };
    for (auto [c, pair] : rows)
        EXPECT_EQ(EncodeCode93(std::u16string(1, c), false), EncodeCode93(pair, false))
            << test::Show(std::u16string(1, c));
}

TEST(Code93, SumsLine) {
    const BarResult plain{u"(TEST93+6)", u"", u"(TEST93+6)  ", 0, 10, u""};
    EXPECT_EQ(std::get<BarResult>(EncodeCode93(u"TEST93", false)), plain);

    // The stop character opens the sums line, so it leaves the font string.
    const BarResult sums{
        u"(TEST93+6", u")   CSum: 464  Ksum: 617  CCheck: 41  KCheck: 6", u"(TEST93+6)  ", 0, 8,
        u""};
    EXPECT_EQ(std::get<BarResult>(EncodeCode93(u"TEST93", true)), sums);
}

TEST(Code93, IllegalCharacterIsNamed) {
    const char* rows[] = {
        "\t",     "\u00c8", "\x7f", "\u0080", "\u00a8", "\u00ad",
        "\u0141", // its low byte is "A"
        "\u01a9", // its low byte is 169, which would be a pair
    };
    for (const char* c : rows)
        EXPECT_EQ(FontStringOf(EncodeCode93(u"A" + U(c) + u"\t", true)),
                  u"<error> Error: input character \"" + U(c) + u"\" not legal in bar code 93")
            << test::Show(U(c));
    // 171 and 172 vanish; alone they would leave a symbol of check characters only
    for (const char16_t* dropped : {u"\u00ab", u"\u00ac\u00ab"})
        EXPECT_EQ(FontStringOf(EncodeCode93(dropped, false)),
                  u"<error> Error: no character of the data is legal in bar code 93")
            << test::Show(dropped);
    EXPECT_EQ(FontStringOf(EncodeCode93(u"A\U0001F600", false)),
              u"<error> Error: input character \"\U0001F600\" not legal in bar code 93");
}

} // namespace
} // namespace zindra
