#include "engine/Code39.h"
#include "tests/TestText.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

struct Row {
    const char16_t* data;
    bool fullAscii;
    bool checksum;
    const char16_t* expected; // the font string, or the message
};

std::u16string FontStringOf(const EncodeOutcome& outcome) {
    if (const auto* result = std::get_if<BarResult>(&outcome)) return result->FontString;
    return u"<error> " + std::get<EncodeError>(outcome).Message;
}

TEST(Code39, FontStrings) {
    const Row rows[] = {
        {u"CODE39", false, true, u"*CODE39W*"},
        {u"CODE39", false, false, u"*CODE39*"},
        {u"A B", false, false, u"*A~B*"},
        {u"A B", false, true, u"*A~BG*"},
        {u"SA", false, true, u"*SA~*"}, // check value 38 is written "~", not a space
        {u" ", false, true, u"*~~*"},
        {u"Z7", false, true, u"*Z7%*"}, // check value 42
        {u"Z8", false, true, u"*Z80*"}, // sum 43 wraps to 0
        {u"-.$/+%", false, false, u"*-.$/+%*"},
        {u"abc", true, false, u"*+A+B+C*"},
        {u"a", true, true, u"*+A8*"}, // the check covers the expanded pair: 41 + 10
        {u"a b", true, false, u"*+A~+B*"},
        {u"^0", true, false, u"*%U*"},
        {u"^01", true, false, u"*%U1*"},
        {u"^7", true, false, u"*%A*"},
        {u"^J", true, false, u"*$J*"},
        {u"A^", true, false, u"*A*"},
        {u"A\tB\x7f", true, false, u"*AB*"},
        {u"A\u00e4\u0141B", true, false, u"*AB*"}, // above 126 dropped, never folded
        {u"A\U0001F600B", true, false, u"*AB*"},
        {u"$%+-.", true, false, u"*/D/E/K-.*"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FontStringOf(EncodeCode39(row.data, row.fullAscii, row.checksum)), row.expected)
            << test::Show(row.data);
}

// Every printable character against its pair from the full-ASCII table.
TEST(Code39, FullAsciiPairs) {
    const std::pair<char16_t, const char16_t*> rows[] = {
        {u'!', u"/A"},  {u'"', u"/B"}, {u'#', u"/C"}, {u'&', u"/F"}, {u'\'', u"/G"}, {u'(', u"/H"},
        {u')', u"/I"},  {u'*', u"/J"}, {u',', u"/L"}, {u'/', u"/O"}, {u':', u"/Z"},  {u';', u"%F"},
        {u'<', u"%G"},  {u'=', u"%H"}, {u'>', u"%I"}, {u'?', u"%J"}, {u'@', u"%V"},  {u'[', u"%K"},
        {u'\\', u"%L"}, {u']', u"%M"}, {u'_', u"%O"}, {u'`', u"%W"}, {u'z', u"+Z"},  {u'{', u"%P"},
        {u'|', u"%Q"},  {u'}', u"%R"}, {u'~', u"%S"},
    };
    for (auto [c, pair] : rows) {
        const std::u16string data(1, c);
        EXPECT_EQ(FontStringOf(EncodeCode39(data, true, false)), u"*" + std::u16string(pair) + u"*")
            << test::Show(data);
    }
}

TEST(Code39, IllegalCharacterIsNamed) {
    const Row rows[] = {
        {u"abc", false, false, u"a"},
        {u"A\u0141", false, true, u"\u0141"}, // its low byte is "A"
        {u"A\u00c1", false, false, u"\u00c1"},
        {u"*A*", false, false, u"*"},
        {u"A~", false, false, u"~"}, // "~" is the font's space, not a data character
        {u"A\t", false, false, u"\t"},
        {u"\U0001F600", false, false, u"\U0001F600"},
        {u"^m", true, false, u"m"}, // "$m": the escape leaves a lower-case letter as it is
        {u"^^", true, false, u"^"},
        {u"^\U0001F600", true, false, u"\U0001F600"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FontStringOf(EncodeCode39(row.data, row.fullAscii, row.checksum)),
                  u"<error> Error: input character \"" + std::u16string(row.expected) +
                      u"\" not legal in bar code 3 of 9")
            << test::Show(row.data);
}

// Full ASCII drops controls, DEL, everything above 126 and a final "^":
// data of only those would leave "**", a symbol with nothing in it.
TEST(Code39, NothingLeftToEncodeIsRefused) {
    const Row rows[] = {
        {u"\x01\x7f", true, false, nullptr},
        {u"\u00e4", true, true, nullptr},
        {u"^", true, false, nullptr},
    };
    for (const Row& row : rows)
        EXPECT_EQ(FontStringOf(EncodeCode39(row.data, row.fullAscii, row.checksum)),
                  u"<error> Error: no character of the data is legal in bar code 3 of 9")
            << test::Show(row.data);
}

TEST(Code39, ResultCarriesNoSumsAndTwoSpacesInTheSample) {
    const EncodeOutcome outcome = EncodeCode39(u"CODE39", false, true);
    EXPECT_EQ(std::get<BarResult>(outcome),
              (BarResult{u"*CODE39W*", u"", u"*CODE39W*  ", 0, std::nullopt, u""}));
}

} // namespace
} // namespace zindra
