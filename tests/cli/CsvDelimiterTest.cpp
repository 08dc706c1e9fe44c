#include "cli/CsvDelimiter.h"
#include "cli/Transcoder.h"

#include <gtest/gtest.h>

namespace zindra::cli {
namespace {

struct GuessRow {
    std::string_view start;
    char delimiter;
    std::string doubt;
};

TEST(CsvDelimiter, GuessedFromTheFirstRecords) {
    const GuessRow rows[] = {
        {"", ',', ""},
        {"AB-1001\nAB-1002\n", ',', ""}, // one column
        {"a,b\nc,d\n", ',', ""},
        {"AB-1001;Widget, small\nAB-1002;Gadget\n", ';', ""}, // the comma is in one line only
        {"AB-1001;Widget, small\n", ';', "','"},              // one line: both would do
        {"a;b,c\nd;e,f\n", ';', "','"},
        {"a\tb;c\n", '\t', "';'"},
        {"\"x;y\",z\n\"p;q\",r\n", ',', ""}, // quoted delimiters do not count
        {"a;b\n\n\nc;d\n", ';', ""},         // nor do blank lines
        {"a;b\r\nc;d\r\ne;f", ';', ""},      // a last record cut off is left out
        {"12:30\n", ',', ""},                // a colon must be asked for
        {"a;b\nc,d\n", ';', "','"},          // neither steady: the first line's
    };
    for (const auto& row : rows) {
        const DelimiterGuess guess = GuessDelimiter(row.start);
        EXPECT_EQ(guess.Delimiter, row.delimiter) << row.start;
        EXPECT_EQ(guess.Doubt, row.doubt) << row.start;
    }
}

struct TranscodeRow {
    CsvEncoding encoding;
    std::string_view in;
    std::string_view out;
};

TEST(CsvDelimiter, EightBitSetsBecomeUtf8) {
    const TranscodeRow rows[] = {
        {CsvEncoding::Latin1, "CAF\xC9", "CAF\xC3\x89"},
        {CsvEncoding::Latin1, "\x80", "\xC2\x80"}, // a C1 control in Latin-1
        {CsvEncoding::Windows1252, "\x80\x9F", "\xE2\x82\xAC\xC5\xB8"},
        {CsvEncoding::Windows1252, "a\x81z", "a\xEF\xBF\xBDz"}, // undefined in the set
        {CsvEncoding::Utf8, "\xFF", "\xFF"},                    // left for the record to refuse
    };
    for (const auto& row : rows) {
        Transcoder transcoder(row.encoding);
        ASSERT_EQ(transcoder.OpenError(), "");
        EXPECT_EQ(transcoder.Convert(row.in), row.out) << row.in;
    }
}

} // namespace
} // namespace zindra::cli
