#include "engine/PostNet.h"
#include "tests/TestText.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::U;

TEST(PostNet, FontStrings) {
    const std::pair<const char16_t*, const char16_t*> rows[] = {
        {u"12345", u"(123455)"},
        {u"123456789", u"(1234567895)"},
        {u"12345678901", u"(123456789014)"},
        {u"00000", u"(000000)"},
        {u"99999", u"(999995)"},
    };
    for (auto [data, font] : rows) {
        const EncodeOutcome outcome = EncodePostNet(data);
        const auto* result = std::get_if<BarResult>(&outcome);
        ASSERT_NE(result, nullptr) << test::Show(data);
        // The sample carries no trailing spaces and its size is left to the dispatch.
        EXPECT_EQ(*result, (BarResult{font, u"", font, 0, std::nullopt, u""}));
    }
}

TEST(PostNet, Errors) {
    const char16_t* length = u"Error, zip code must be 5, 9, or 11 digits long";
    const char16_t* digits = u"Error, you can only encode digits with PostNet bar code";
    const std::pair<std::u16string, const char16_t*> rows[] = {
        {u"12345-6789", length},   {u"1234", length},  {u"1234567890", length},
        {u"123456789012", length}, {u"ab", length}, // the length is checked before the characters
        {u"1234-", digits},        {u"1234 ", digits}, {u"12345678a01", digits},
        {U("1234\uff15"), digits}, // a full-width five is not a digit
    };
    for (const auto& [data, message] : rows) {
        const EncodeOutcome outcome = EncodePostNet(data);
        const auto* error = std::get_if<EncodeError>(&outcome);
        ASSERT_NE(error, nullptr) << test::Show(data);
        EXPECT_EQ(error->Message, message) << test::Show(data);
    }
}

} // namespace
} // namespace zindra
