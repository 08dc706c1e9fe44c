#include "engine/Gs1128.h"
#include "tests/TestText.h"

#include <gtest/gtest.h>

#include <string>

namespace zindra {
namespace {

using test::Show;

struct Row {
    std::u16string data;
    std::u16string expected; // font string (Code 128ABC faces), message or warning
    std::u16string human = {};
};

BarResult Encoded(const Row& row) {
    const EncodeOutcome outcome = EncodeGs1128(row.data, false, FontType::Standard, false);
    if (const auto* error = std::get_if<EncodeError>(&outcome))
        ADD_FAILURE() << Show(row.data) << " failed: " << Show(error->Message);
    return std::get_if<BarResult>(&outcome) ? std::get<BarResult>(outcome) : BarResult{};
}

TEST(Gs1128, FontStringAndHumanLine) {
    const Row rows[] = {
        // Start C, FNC1, 13 pairs, Code B, "AB-123"; check value 61 at "^"
        {u"(01)09501101530003(17)140704(10)AB-123",
         u"\u00CB\u00C8\"*S,\"V!$2/(%+\u00C6BC.234^\u00CC",
         u"(01)09501101530003(17)140704(10)AB-123"},
        // (10) is variable and not last: FNC1 (200) after it; equal starts take B
        {u"(10)ABC(17)140704", u"\u00CA\u00C821BCD\u00C8\u00C52/(%O\u00CC", u"(10)ABC(17)140704"},
        // the same typed in square brackets
        {u"[10]ABC[17]140704", u"\u00CA\u00C821BCD\u00C8\u00C52/(%O\u00CC", u"(10)ABC(17)140704"},
    };
    for (const Row& row : rows) {
        const BarResult result = Encoded(row);
        EXPECT_EQ(Show(result.FontString), Show(row.expected)) << Show(row.data);
        EXPECT_EQ(Show(result.HumanText), Show(row.human)) << Show(row.data);
    }
}

// Only the Human readable font type puts the element strings under the sample.
TEST(Gs1128, HumanLineInTheSampleOnlyWithHumanReadable) {
    for (const auto& [fontType, second] :
         {std::pair{FontType::Standard, u""}, std::pair{FontType::HumanReadable, u"\n(10)ABC"}}) {
        const auto outcome = EncodeGs1128(u"(10)ABC", false, fontType, false);
        ASSERT_TRUE(std::holds_alternative<BarResult>(outcome));
        const BarResult& result = std::get<BarResult>(outcome);
        EXPECT_EQ(Show(result.SampleText), Show(result.FontString + u"  " + second));
    }
}

TEST(Gs1128, OneMessagePerFailedCheck) {
    const Row rows[] = {
        {u"01)09501101530003", u"Error, GS1-128 data is element strings with their AIs in "
                               u"parentheses, e.g. (01)09501101530003(10)AB-123"},
        {u"(01", u"Error, GS1-128 data is element strings with their AIs in parentheses, e.g. "
                 u"(01)09501101530003(10)AB-123"},
        {u"(0A)12", u"Error, \"0A\" is not an AI"},
        {u"(23)1234", u"AI (23): there is no such AI"},
        {u"(01)0950110153000", u"AI (01): the data should be 14 digits"},
        {u"(01)095011015300031", u"AI (01): the data should be 14 digits"},
        {u"(01)0950110153000A", u"AI (01): \"A\" is not a digit"},
        {u"(10)AB#1", u"AI (10): \"#\" is not allowed in this AI"},
        {u"(10)ABCDEFGHIJKLMNOPQRSTU", u"AI (10): the data should be up to 20 characters"},
        {u"(253)123456789012", u"AI (253): the data should be 13 digits, then optionally up "
                               u"to 17 characters"},
        {u"(01)09501101530004", u"AI (01): the check digit should be 3"},
        {u"(17)141304", u"AI (17): \"141304\" is not a date (YYMMDD, DD may be 00)"},
        {u"(17)230229", u"AI (17): \"230229\" is not a date (YYMMDD, DD may be 00)"}, // not leap
        {u"(7007)240100", u"AI (7007): \"240100\" is not a date (YYMMDD)"},           // no 00
        {u"(4324)2401011260", u"AI (4324): \"1260\" is not a time (HHMM)"},
        {u"(01)09501101530003(02)09501101530003", u"AI (01): cannot be in one symbol with AI (02)"},
        // only (01) names (37) among its exclusions; the message follows the data's order
        {u"(37)5(01)09501101530003", u"AI (37): cannot be in one symbol with AI (01)"},
        {u"(3100)000100(3102)000100", u"AI (3100): cannot be in one symbol with AI (3102)"},
        // 20 + 16 + 14: 50 data characters
        {u"(00)006141411234567890(01)09501101530003(10)ABCDEFGHIJKL",
         u"Error, GS1-128 holds at most 48 data characters, this data has 50"},
        // 22 + FNC1 + 22 + FNC1 + 3: the separators count
        {u"(10)ABCDEFGHIJKLMNOPQRST(21)ABCDEFGHIJKLMNOPQRST(22)A",
         u"Error, GS1-128 holds at most 48 data characters, this data has 49"},
        // two failures, two lines, in the order of the data
        {u"(01)09501101530004(17)141304",
         u"AI (01): the check digit should be 3\n"
         u"AI (17): \"141304\" is not a date (YYMMDD, DD may be 00)"},
    };
    for (const Row& row : rows) {
        const EncodeOutcome outcome = EncodeGs1128(row.data, false, FontType::Standard, false);
        ASSERT_TRUE(IsError(outcome)) << Show(row.data);
        EXPECT_EQ(Show(std::get<EncodeError>(outcome).Message), Show(row.expected));
    }
}

// A missing pairing is only a warning: another symbol of the label may hold it.
TEST(Gs1128, MissingPairingWarns) {
    const Row rows[] = {
        {u"(10)ABC", u"AI (10): the label needs (01) or (02) or (03) or (8006) or (8026) too"},
        {u"(01)09501101530003(10)ABC", u""},
        {u"(250)X(01)09501101530003",
         u"AI (250): the label needs (01+21) or (03+21) or (8006+21) too"},
        {u"(17)240229(00)006141411234567890", // 29 February of a leap year passes
         u"AI (17): the label needs (01) or (02) or (03) or (255) or (8006) or (8026) too"},
        // 48 data characters exactly: 20 + 16 + 12
        {u"(00)006141411234567890(01)09501101530003(10)ABCDEFGHIJ", u""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Show(Encoded(row).Warning), Show(row.expected)) << Show(row.data);
}

} // namespace
} // namespace zindra
