#include "engine/Code128.h"
#include "tests/TestText.h"

#include <gtest/gtest.h>

#include <string>

namespace zindra {
namespace {

using test::Show;

constexpr int SubsetA = 1;
constexpr int SubsetB = 2;
constexpr int SubsetC = 3;

struct Row {
    std::u16string data;
    int subset;
    bool fnc1;
    bool noQuotes;
    std::u16string expected; // font string, sums line or message
};

BarResult Encoded(const Row& row, bool sums = false) {
    const EncodeOutcome outcome = EncodeCode128(row.data, row.subset, row.fnc1, row.noQuotes, sums);
    if (const auto* error = std::get_if<EncodeError>(&outcome))
        ADD_FAILURE() << Show(row.data) << " failed: " << Show(error->Message);
    return std::get_if<BarResult>(&outcome) ? std::get<BarResult>(outcome) : BarResult{};
}

TEST(Code128, SubsetsABFontString) {
    const Row rows[] = {
        {u"ABC", SubsetB, false, false, u"|ABC!~"},
        {u"ABC", SubsetA, false, false, u"{ABC\u00E4~"},       // check value 0
        {u"ABC", SubsetB, true, false, u"|\u00CDABC\u00CD~"},  // FNC1, check value 102
        {u"ABC", SubsetA, true, false, u"{\u00CDABC\u00CC~"},  // FNC1 sum starts at 205
        {u"a b", SubsetB, false, false, u"|a\u00E4bZ~"},       // space as 228, value 0
        {u" ", SubsetB, false, false, u"|\u00E4!~"},           // check value 1
        {u"\"", SubsetB, false, false, u"|\"#~"},              // quote kept without the option
        {u"\"", SubsetB, false, true, u"|\u00E2#~"},           // 226, still value 2
        {u"!", SubsetB, false, true, u"|!\"~"},                // check character stays a quote
        {u"y", SubsetB, false, false, u"|yz~"},                // check value 90
        {u"z", SubsetB, false, false, u"|z\u00C2~"},           // check value 91
        {u"{", SubsetA, false, false, u"{\u00C2\u00C2~"},      // ESC typed as "{", value 91
        {u"|}", SubsetB, false, false, u"|\u00C3\u00C4i~"},    // values 92, 93
        {u"~", SubsetB, false, false, u"|\u00C5\u00C6~"},      // value 94, check value 95
        {u"\u007F", SubsetB, false, false, u"|\u007F9~"},      // first high code, value 24
        {u"\u00A1", SubsetB, false, false, u"|\u00A1[~"},      // 161 passes as itself, value 58
        {u"\u00C6", SubsetA, false, false, u"{\u00C6\u00C6~"}, // US, value 95
        {u"\u00CC", SubsetB, false, false, u"|\u00CC\u00CD~"}, // Code A, check value 102
        {u"\u00CD", SubsetB, false, false, u"|\u00CD\u00E4~"}, // FNC1 as data, check value 0
    };
    for (const Row& row : rows)
        EXPECT_EQ(Show(Encoded(row).FontString), Show(row.expected)) << Show(row.data);
}

TEST(Code128, SubsetsABSumsLine) {
    const Row rows[] = {
        {u"ABC", SubsetB, false, false, u"   Sum: 310  Checksum: 1  ASCII: 33 !"},
        {u"ABC", SubsetB, true, false, u"   Sum: 514  Checksum: 102  ASCII: 205 \u00CD"},
        {u"ABC", SubsetA, false, false, u"   Sum: 309  Checksum: 0  ASCII: 228 \u00E4"},
        {u"a b", SubsetB, false, false, u"   Sum: 367  Checksum: 58  ASCII: 90 Z"},
    };
    for (const Row& row : rows) {
        const BarResult result = Encoded(row, true);
        EXPECT_EQ(Show(result.SumsText), Show(row.expected)) << Show(row.data);
        EXPECT_EQ(result.BarTextOut(), result.FontString + row.expected);
    }
}

TEST(Code128, SubsetsABIllegalCharacter) {
    const Row rows[] = {
        {u"\u00CE", SubsetB, false, false,
         u"Error: input character \"\u00CE\" not legal in bar code 128 subset B"},
        {u"\u00FF", SubsetA, true, false,
         u"Error: input character \"\u00FF\" not legal in bar code 128 subset A"},
        // 228 is the font's space glyph, yet not a data character
        {u"\u00E4", SubsetB, false, false,
         u"Error: input character \"\u00E4\" not legal in bar code 128 subset B"},
        {u"A\tB", SubsetA, false, false,
         u"Error: input character \"\t\" not legal in bar code 128 subset A"},
        // the first illegal character from the left is named
        {u"\u00CE\t", SubsetB, false, false,
         u"Error: input character \"\u00CE\" not legal in bar code 128 subset B"},
        {u"\t\u00CE", SubsetB, false, false,
         u"Error: input character \"\t\" not legal in bar code 128 subset B"},
        // low byte is "A": must not be taken for it
        {u"X\u0141", SubsetB, false, false,
         u"Error: input character \"\u0141\" not legal in bar code 128 subset B"},
        {u"\U0001F600", SubsetA, false, false,
         u"Error: input character \"\U0001F600\" not legal in bar code 128 subset A"},
    };
    for (const Row& row : rows) {
        const EncodeOutcome outcome = EncodeCode128(row.data, row.subset, row.fnc1, false, true);
        ASSERT_TRUE(IsError(outcome)) << Show(row.data);
        EXPECT_EQ(Show(std::get<EncodeError>(outcome).Message), Show(row.expected));
    }
}

TEST(Code128, SubsetCFontString) {
    const Row rows[] = {
        {u"123456", SubsetC, false, false, u"}-CYM~"},
        {u"123456", SubsetC, true, false, u"}\u00CE-CYK~"},
        {u"0199", SubsetC, false, false, u"}\"\u00CB\u00CA~"},    // pair 99, check value 98
        {u"0199", SubsetC, false, true, u"}\u00E2\u00CB\u00CA~"}, // pair 01 as 226
        {u"0051", SubsetC, false, true, u"}!T\"~"},               // check character stays a quote
        {u"0150", SubsetC, false, false, u"}\"S!~"},              // check value 0
        {u"87", SubsetC, false, false, u"}xz~"},                  // check value 89
        {u"88", SubsetC, false, false, u"}y\u00C2~"},             // check value 90
        {u"89", SubsetC, false, false, u"}z\u00C3~"},             // last pair below 194
        {u"90", SubsetC, false, false, u"}\u00C2\u00C4~"},        // first pair at 194
        {u"0050", SubsetC, false, false, u"}!S\u00CE~"},          // check value 102
    };
    for (const Row& row : rows)
        EXPECT_EQ(Show(Encoded(row).FontString), Show(row.expected)) << Show(row.data);
}

TEST(Code128, SubsetCSumsLine) {
    const Row rows[] = {
        {u"123456", SubsetC, false, false, u"   Sum: 353  Checksum: 44  ASCII: 77"},
        {u"123456", SubsetC, true, false, u"   Sum: 557  Checksum: 42  ASCII: 75"},
        {u"0199", SubsetC, false, false, u"   Sum: 304  Checksum: 98  ASCII: 202"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Show(Encoded(row, true).SumsText), Show(row.expected)) << Show(row.data);
}

TEST(Code128, SubsetCErrors) {
    constexpr char16_t digitsOnly[] =
        u"Error, you can only encode digits with bar code 128 Subset C";
    const std::pair<std::u16string, std::u16string> rows[] = {
        {u"12345", u"Error, you must encode an even number of digits"},
        {u"12 34", digitsOnly},
        {u"1234a", digitsOnly},        // odd as well: the digits are examined first
        {u"12\u00CE", digitsOnly},     // the C font's FNC1 is not accepted as data
        {u"\uFF11\uFF12", digitsOnly}, // full-width digits
    };
    for (const auto& [data, message] : rows) {
        const EncodeOutcome outcome = EncodeCode128(data, SubsetC, false, false, false);
        ASSERT_TRUE(IsError(outcome)) << Show(data);
        EXPECT_EQ(Show(std::get<EncodeError>(outcome).Message), Show(message));
    }
}

TEST(Code128, SampleIsFontStringAndTwoSpaces) {
    const Row rows[] = {
        {u"ABC", SubsetA, false, false, u"{ABC\u00E4~  "},
        {u"ABC", SubsetB, false, false, u"|ABC!~  "},
        {u"123456", SubsetC, false, false, u"}-CYM~  "},
    };
    for (const Row& row : rows) {
        const BarResult result = Encoded(row, false);
        EXPECT_EQ(Show(result.SampleText), Show(row.expected));
        EXPECT_TRUE(result.SumsText.empty());
        EXPECT_TRUE(result.HumanText.empty());
        EXPECT_FALSE(result.OutputTextSize.has_value());
    }
}

// 7000 times "~" (value 94) sums to 104 + 94 * 7000 * 7001 / 2, beyond 32 bits.
TEST(Code128, LongDataSumDoesNotOverflow) {
    const BarResult result = Encoded({std::u16string(7000, u'~'), SubsetB, false, false, {}}, true);
    EXPECT_EQ(Show(result.SumsText), "   Sum: 2303329104  Checksum: 50  ASCII: 82 R");
    EXPECT_EQ(result.FontString, u"|" + std::u16string(7000, 0xC5) + u"R~");
}

} // namespace
} // namespace zindra
