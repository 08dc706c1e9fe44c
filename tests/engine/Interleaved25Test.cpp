#include "engine/Interleaved25.h"
#include "tests/TestText.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::U;

struct Row {
    const char* data;
    FontType fontType;
    bool checksum;
    bool box;
    const char* expected; // the font string, or the message
};

constexpr FontType Plain = FontType::Standard;
constexpr FontType Itf14 = FontType::Itf14;

TEST(Interleaved25, FontStrings) {
    const Row rows[] = {
        {"1234", Plain, false, false, "{-C}"},
        {"1234567", Plain, true, false, "{-CYg}"},
        {"12-34", Plain, false, false, "{-C}"},
        {"123", Plain, true, false, "{-E}"},        // check digit 6, weights 3 1 3
        {"8990", Plain, false, false, "{z\u00a1}"}, // 89 is the last low pair, 90 the first high
        {"9999", Plain, false, false, "{\u00aa\u00aa}"},
        {"0012345678905", Itf14, false, false, "~{!-CYo\u00a1S}~"},
        {"0012345678905", Itf14, false, true, "|~{!-CYo\u00a1S}~|"},
        {"0012345678905", Itf14, true, false,
         "~{!-CYo\u00a1S}~"}, // hidden box must not add a second check digit
        {"00123456789050", Itf14, false, false, "~{!-CYo\u00a1S}~"},
        {"0012345-678905", Itf14, false, false, "~{!-CYo\u00a1S}~"},
        {"1234567890123", Itf14, false, false, "~{-CYo\u00a1-@}~"}, // weighted sum 109, check 1
        {"12345678901231", Itf14, false, false, "~{-CYo\u00a1-@}~"},
    };
    for (const Row& row : rows) {
        const EncodeOutcome outcome =
            EncodeInterleaved25(U(row.data), row.fontType, row.checksum, row.box);
        const auto* result = std::get_if<BarResult>(&outcome);
        ASSERT_NE(result, nullptr) << row.data;
        const std::u16string font = U(row.expected);
        EXPECT_EQ(*result, (BarResult{font, u"", font, 0, std::nullopt, u""})) << row.data;
    }
}

TEST(Interleaved25, Errors) {
    const char* odd = "Error, you must have an odd number of digits with a checksum";
    const char* even = "Error, you must have an even number of digits";
    const char* itf = "Error, ITF-14 bar codes are 13 digits plus a checksum";
    const char* wrong = "Error, the checksum you entered is incorrect";
    const char* none = "Error, there are no digits to bar code";
    const Row rows[] = {
        {"1234", Plain, true, false, odd},
        {"123", Plain, false, false, even},
        {"1-2-3-4-5", Plain, false, false, even}, // counted after the dashes go
        {"ab", Plain, true, false, none},
        {"N/A", Plain, false, false, none}, // the frame alone would print "{}"
        {"hello world!", Plain, false, true, none},
        {"ab", Itf14, false, false, itf},
        {"001234567890", Itf14, false, false, itf},
        {"001234567890500", Itf14, false, false, itf},
        {"00123456789051", Itf14, false, false, wrong},
        {"12345678901230", Itf14, true, true, wrong},
    };
    for (const Row& row : rows) {
        const EncodeOutcome outcome =
            EncodeInterleaved25(U(row.data), row.fontType, row.checksum, row.box);
        const auto* error = std::get_if<EncodeError>(&outcome);
        ASSERT_NE(error, nullptr) << row.data;
        EXPECT_EQ(error->Message, U(row.expected)) << row.data;
    }
}

} // namespace
} // namespace zindra
