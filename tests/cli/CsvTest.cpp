#include "cli/Csv.h"

#include <gtest/gtest.h>

namespace zindra::cli {
namespace {

struct Record {
    std::vector<std::string> fields;
    std::string error;
    bool operator==(const Record&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Record& r) {
    for (const auto& f : r.fields)
        os << "[" << f << "]";
    return os << (r.error.empty() ? "" : " error: ") << r.error;
}

// Feeds `input` in pieces of `piece` bytes, so fields and line breaks are cut
// at every possible place as well as read whole.
std::vector<Record> Read(std::string_view input, std::size_t piece, char delimiter = ',') {
    std::vector<Record> records;
    CsvReader reader(
        [&](const CsvRecord& r) {
            records.push_back({{r.Fields.begin(), r.Fields.end()}, std::string(r.Error)});
        },
        delimiter);
    for (std::size_t at = 0; at < input.size(); at += piece)
        reader.Feed(input.substr(at, piece));
    reader.Finish();
    return records;
}

constexpr char TextAfterQuote[] = "text after a closing quote";
constexpr char Unclosed[] = "a quoted field is not closed at the end of the input";

struct ReadRow {
    std::string_view input;
    std::vector<Record> records;
};

TEST(Csv, Read) {
    const ReadRow rows[] = {
        {"", {}},
        {"a,b\n", {{{"a", "b"}, ""}}},
        {"a,b", {{{"a", "b"}, ""}}}, // no line break after the last record
        {"a\r\nb\r\n", {{{"a"}, ""}, {{"b"}, ""}}},
        {"a\rb\n", {{{"a"}, ""}, {{"b"}, ""}}},               // a lone CR ends a line too
        {"a\n\nb\n", {{{"a"}, ""}, {{""}, ""}, {{"b"}, ""}}}, // an empty line is a record
        {"\r\n", {}},                                         // but not at the end
        {"a\n\n\r\n\r", {{{"a"}, ""}}},
        {"\n\nb", {{{""}, ""}, {{""}, ""}, {{"b"}, ""}}},
        {"a\n\"\"\n\n", {{{"a"}, ""}, {{""}, ""}}}, // "" is an empty field, not an empty line
        {"a,\n", {{{"a", ""}, ""}}},
        {"a,", {{{"a", ""}, ""}}},
        {",\n", {{{"", ""}, ""}}},
        {" a , b \n", {{{" a ", " b "}, ""}}}, // spaces belong to the field
        {"1,2,3\n", {{{"1", "2", "3"}, ""}}},
        {"\"x,y\",z\n", {{{"x,y", "z"}, ""}}},
        {"\"\"\n", {{{""}, ""}}},
        {"\"say \"\"hi\"\"\"\n", {{{"say \"hi\""}, ""}}},
        {"\"\"\"\"", {{{"\""}, ""}}},
        {"\"l1\r\nl2\",x\r\n", {{{"l1\r\nl2", "x"}, ""}}}, // line break inside quotes is data
        {"\"a\"\r\n\"b\"", {{{"a"}, ""}, {{"b"}, ""}}},
        {"a\"b\n", {{{"a\"b"}, ""}}}, // a quote inside an unquoted field is text
        {"\xC3\xA4,\xF0\x9F\x98\x80\n", {{{"\xC3\xA4", "\xF0\x9F\x98\x80"}, ""}}},
        // A byte-order mark is skipped at the start only; a partial one is data.
        {"\xEF\xBB\xBF"
         "a,b\n",
         {{{"a", "b"}, ""}}},
        {"\xEF\xBB\xBF\"q\"\n", {{{"q"}, ""}}},
        {"\xEF\xBB\xBF", {}},
        {"\xEF\xBBx\n", {{{"\xEF\xBBx"}, ""}}},
        {"\xEF", {{{"\xEF"}, ""}}},
        {"a\n\xEF\xBB\xBF\n", {{{"a"}, ""}, {{"\xEF\xBB\xBF"}, ""}}},
        // Faults: the record says why, and reading goes on after the record
        // ends where its quotes say, not at the next line break.
        {"\"ab\"c,d\nnext\n", {{{"abc", "d"}, TextAfterQuote}, {{"next"}, ""}}},
        {"x,\"ab\" \r\nnext", {{{"x", "ab "}, TextAfterQuote}, {{"next"}, ""}}},
        {"ITEM1,\n\"ITEM2\"X,\"NOTE\nPART2\nPART3\"\nITEM3,\n",
         {{{"ITEM1", ""}, ""},
          {{"ITEM2X", "NOTE\nPART2\nPART3"}, TextAfterQuote},
          {{"ITEM3", ""}, ""}}},
        // after the fault a quote opens a field only at the start of one
        {"\"a\"b\"c,d\"\ne\n", {{{"ab\"c", "d\""}, TextAfterQuote}, {{"e"}, ""}}},
        {"\"a\"b,\"x\"\"\r\ny\",z\nnext",
         {{{"ab", "x\"\r\ny", "z"}, TextAfterQuote}, {{"next"}, ""}}},
        {"\"a\"b,\"c", {{{"ab", "c"}, TextAfterQuote}}}, // the first fault is the one told
        {"ok\n\"open\nmore", {{{"ok"}, ""}, {{"open\nmore"}, Unclosed}}},
        {"\"", {{{""}, Unclosed}}},
    };
    for (const auto& row : rows) {
        const std::string input(row.input);
        EXPECT_EQ(Read(row.input, std::max<std::size_t>(input.size(), 1)), row.records)
            << "whole: " << input;
        EXPECT_EQ(Read(row.input, 1), row.records) << "byte by byte: " << input;
        EXPECT_EQ(Read(row.input, 2), row.records) << "two bytes at a time: " << input;
    }
}

struct DelimiterRow {
    char delimiter;
    std::string_view input;
    std::vector<Record> records;
};

TEST(Csv, ReadsOtherDelimiters) {
    const DelimiterRow rows[] = {
        {';', "AB-1001;Widget, small\n", {{{"AB-1001", "Widget, small"}, ""}}},
        {';', "\"a;b\";c\n", {{{"a;b", "c"}, ""}}},
        {'\t', "a\tb,c\t\n", {{{"a", "b,c", ""}, ""}}},
        {':', "12:30,x\n", {{{"12", "30,x"}, ""}}},
        {';', "\"a\"b;c\n", {{{"ab", "c"}, TextAfterQuote}}},
    };
    for (const auto& row : rows)
        for (std::size_t piece : {row.input.size(), std::size_t{1}})
            EXPECT_EQ(Read(row.input, piece, row.delimiter), row.records) << row.input;
}

std::vector<std::size_t> Lines(std::string_view input, std::size_t piece) {
    std::vector<std::size_t> lines;
    CsvReader reader([&](const CsvRecord& r) { lines.push_back(r.Line); });
    for (std::size_t at = 0; at < input.size(); at += piece)
        reader.Feed(input.substr(at, piece));
    reader.Finish();
    return lines;
}

TEST(Csv, RecordsKnowTheLineTheyStartOn) {
    // CRLF is one line break, a lone CR one, line breaks inside quotes count,
    // and so do those of a record read past a fault.
    const std::string input = "\xEF\xBB\xBF"
                              "a\r\n\"b\nc\"\r\n\rd\n\"e\"x,\"\r\n\n\"\nf";
    const std::vector<std::size_t> want{1, 2, 4, 5, 6, 9};
    for (std::size_t piece : {input.size(), std::size_t{1}, std::size_t{2}, std::size_t{3}})
        EXPECT_EQ(Lines(input, piece), want) << piece;
}

TEST(Csv, ARecordOverTheLimitIsOneFailedRecord) {
    constexpr char TooLong[] = "the record is longer than 1 MB (1048576 bytes)";
    const std::string over(MaxRecordBytes + 1, 'a');
    const struct {
        std::string input;
        std::vector<Record> records;
    } rows[] = {
        {std::string(MaxRecordBytes, 'a') + "\nz",
         {{{std::string(MaxRecordBytes, 'a')}, ""}, {{"z"}, ""}}},
        {over + "\nz\n", {{{}, TooLong}, {{"z"}, ""}}},
        {"y\n" + over, {{{"y"}, ""}, {{}, TooLong}}},
        {"\"" + std::string(MaxRecordBytes + 1, '\n') + "\"\nz", {{{}, TooLong}, {{"z"}, ""}}},
        {std::string(MaxRecordBytes + 1, ',') + "\nz", {{{}, TooLong}, {{"z"}, ""}}},
        {"\"" + over, {{{}, TooLong}}}, // too long tells more than unclosed
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Read(row.input, row.input.size()), row.records) << row.input.substr(0, 8);
        EXPECT_EQ(Read(row.input, 4093), row.records) << row.input.substr(0, 8);
    }
}

TEST(Csv, RecordsKeepNoFieldsOfTheRecordBefore) {
    const auto records = Read("a,b,c\nd\n\"\"\n", 64);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].fields, std::vector<std::string>{"d"});
    EXPECT_EQ(records[2].fields, std::vector<std::string>{""});
}

struct WriteRow {
    std::string_view field;
    std::string_view written;
};

TEST(Csv, WriteQuotesOnlyWhatNeedsIt) {
    const WriteRow rows[] = {
        {"", ""},
        {"*CODE39W*", "*CODE39W*"},
        {" lead and trail ", " lead and trail "},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"\"", "\"\"\"\""},
        {"l1\nl2", "\"l1\nl2\""},
        {"l1\rl2", "\"l1\rl2\""},
        {"}\xC3\x8E\"+^JJ", "\"}\xC3\x8E\"\"+^JJ\""}, // a Code 128 font string with a quote
        // fields are tested eight bytes at a time: a special at the end of a word, in a
        // later word and in the bytes after the last whole word
        {"ABCDEFG\"", "\"ABCDEFG\"\"\""},
        {"0123456789ABCDE\n", "\"0123456789ABCDE\n\""},
        {"ABCDEFGH,IJ", "\"ABCDEFGH,IJ\""},
        // the bytes next to the specials are plain
        {"!#$%&'()*+-./0123\t\x0B\x0C\x0E\x1F\x80\xAC\xA2",
         "!#$%&'()*+-./0123\t\x0B\x0C\x0E\x1F\x80\xAC\xA2"},
    };
    for (const auto& row : rows) {
        std::string out = "x,";
        AppendCsvField(row.field, out);
        EXPECT_EQ(out, "x," + std::string(row.written)) << row.field;
        // What is written reads back as the same field.
        EXPECT_EQ(Read(out + "\n", 64), (std::vector<Record>{{{"x", std::string(row.field)}, ""}}));
    }
}

} // namespace
} // namespace zindra::cli
