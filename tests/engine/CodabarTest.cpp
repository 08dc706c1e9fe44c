#include "engine/Codabar.h"
#include "tests/TestText.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

TEST(Codabar, AcceptedTextPassesUnchanged) {
    const char16_t* rows[] = {u"A12345B", u"a40156b", u"AAA", u"D:D", u"C$+-./:0123456789D",
                              u"bA1Cd"}; // frame letters inside the data are data
    for (const char16_t* data : rows) {
        const EncodeOutcome outcome = EncodeCodabar(data);
        const auto* result = std::get_if<BarResult>(&outcome);
        ASSERT_NE(result, nullptr) << test::Show(data);
        const std::u16string font = data;
        EXPECT_EQ(*result, (BarResult{font, u"", font + u"  ", 0, std::nullopt, u""}));
    }
}

std::u16string Illegal(std::u16string_view named) {
    return u"Error: input character \"" + std::u16string(named) + u"\" not legal in codabar";
}

TEST(Codabar, Errors) {
    const char16_t* length = u"Error:- bar code must be at least 3 characters";
    const char16_t* start = u"Error: no legal start character";
    const char16_t* stop = u"Error: no legal stop character";
    const std::pair<const char16_t*, std::u16string> rows[] = {
        {u"AB", length},
        {u"12", length}, // length before the start letter
        {u"123B", start},
        {u"E1B", start},
        {u"\u0141AB", start}, // U+0141 must not pass as "A" by its low byte
        {u"A123", stop},
        {u"AE3", stop}, // stop letter before the illegal character in between
        {u"A12E4B", Illegal(u"E")},
        {u"A1 2B", Illegal(u" ")},
        {u"aXd", Illegal(u"X")},
        {u"A1\u00e4B", Illegal(u"\u00e4")},
        {u"A\u0141B", Illegal(u"\u0141")},
        {u"A1E\u00e4B", Illegal(u"E")}, // the first from the left
        {u"A\U0001F600B", Illegal(u"\U0001F600")},
    };
    for (const auto& [data, message] : rows) {
        const EncodeOutcome outcome = EncodeCodabar(data);
        const auto* error = std::get_if<EncodeError>(&outcome);
        ASSERT_NE(error, nullptr) << test::Show(data);
        EXPECT_EQ(error->Message, message) << test::Show(data);
    }
}

} // namespace
} // namespace zindra
