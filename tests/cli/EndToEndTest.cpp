// Runs the built program: streams, exit statuses and the bulk modes as a
// script sees them.

#include "tests/cli/RunProgram.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <poll.h>

namespace zindra::test {
namespace {

using Json = nlohmann::json;

struct PlainRow {
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err; // exactly, or for status 2 the start of the one line
};

TEST(EndToEnd, PlainStreamsAndStatus) {
    const PlainRow rows[] = {
        {{"--checksum", "CODE39"}, 0, "*CODE39W*\n", ""},
        {{"CODE39"}, 0, "*CODE39*\n", ""},
        {{"abc"}, 1, "", "Error: input character \"a\" not legal in bar code 3 of 9\n"},
        {{""}, 1, "", "Error, no data to bar code\n"},
        {{"-p", "0", "X"}, 2, "", "zindra-encode: Error, the point size must be a whole number"},
        {{"-s", "i25", "N/A"}, 1, "", "Error, there are no digits to bar code\n"},
        {{"-o", "\x01\x7f"},
         1,
         "",
         "Error: no character of the data is legal in bar code 3 of 9\n"},
        // data's control characters reach the terminal escaped
        {{"A\x1b]0;x\x07\xC2\x9B"},
         1,
         "",
         "Error: input character \"\\x1b\" not legal in bar code 3 of 9\n"},
        {{"-s", "upc", "-z", "E", "03600029145"},
         0,
         " !DGAAA|29145S\n",
         ""}, // the window's 48 points
        {{"-s", "upc", "-p", "24", "03600029145"},
         0,
         " !DGAAA|29145S\n",
         "zindra-encode: warning: too small to scan reliably; bars at 83 % of the standard height: "
         "for hand-held scanners only\n"},
        {{"--sample-page", "a.pdf", "--sample-page", "b.pdf", "X"},
         2,
         "",
         "zindra-encode: option '--sample-page' given more than once"},
        // the offending character goes out as the UTF-8 it came in as
        {{"\xC3\xA4"}, 1, "", "Error: input character \"\xC3\xA4\" not legal in bar code 3 of 9\n"},
        // Code 93 prints the sums line after the font string
        {{"-s", "code93", "-S", "ABC"},
         0,
         "(ABCHK)   CSum: 64  Ksum: 114  CCheck: 17  KCheck: 20\n",
         ""},
        {{"--", "-A"}, 0, "*-A*\n", ""},
        {{"-A"}, 2, "", "zindra-encode: unknown option '-A'"},
        {{}, 2, "", "zindra-encode: missing DATA"},
        {{"--nope", "X"}, 2, "", "zindra-encode: unknown option '--nope'"},
        {{"-s", "qr", "X"}, 2, "", "zindra-encode: unknown symbology \"qr\""},
        {{"\xFF"}, 2, "", "zindra-encode: invalid UTF-8 in DATA"},
    };
    for (const auto& row : rows) {
        const ProgramRun run = RunEncoder(row.args);
        const std::string label = row.args.empty() ? "(none)" : row.args.back();
        EXPECT_EQ(run.Status, row.status) << label;
        EXPECT_EQ(run.Out, row.out) << label;
        if (row.status == 2) {
            EXPECT_EQ(run.Err.rfind(row.err, 0), 0u) << label << ": " << run.Err;
            EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << "one line: " << run.Err;
        } else {
            EXPECT_EQ(run.Err, row.err) << label;
        }
    }
}

TEST(EndToEnd, JsonSuccessWithBooklandWriteBack) {
    const ProgramRun run =
        RunEncoder({"--json", "-s", "ean", "-v", "3", "-e", "90000", "0-306-40615-2"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    ASSERT_EQ(run.Out.back(), '\n');
    const Json got = Json::parse(run.Out);
    const Json want = {
        {"font_string", "*HYQDQG|406157] /j.q.a.q.a"},
        {"sums_text", ""},
        {"bar_text_out", "*HYQDQG|406157] /j.q.a.q.a"},
        {"sample_text", "*HYQDQG|406157] /j.q.a.q.a"},
        {"sample_size", 24},
        {"output_text_size", nullptr},
        {"human_text", ""},
        {"face", "Tessary EAN d"},
        // EAN-13, the 9-module gap and the 47-module add-on, 2 x 11 quiet: 173 x 0.33867 mm;
        // bars 58 + text 8 modules high, 58 of the standard's 69.24.
        {"x_dimension_mm", 0.339},
        {"width_mm", 58.589},
        {"height_mm", 22.352},
        {"magnification_percent", 102.626},
        {"warning", "bars at 83 % of the standard height: for hand-held scanners only"},
        {"data_text", "0306406152"},
    };
    EXPECT_EQ(got, want);
}

TEST(EndToEnd, JsonFailureKeepsBooklandWriteBack) {
    const ProgramRun run =
        RunEncoder({"--json", "-s", "ean", "-v", "3", "-e", "9000", "0-306-40615-2"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "");
    const Json want = {{"error", "The price field must be 5 digits long"},
                       {"data_text", "0306406152"}};
    EXPECT_EQ(Json::parse(run.Out), want);
}

TEST(EndToEnd, RequestsAnswerEveryLineInOrder) {
    const std::string input = "{\"data\":\"CODE39\"}\n"
                              "\n"                     // blank: not a request
                              "{\"data\":\"abc\"}\r\n" // encoding error: still valid
                              "{\"data\":\"X\",\"variant\":9}\n"
                              "{\"data\":\"A B\",\"checksum\":false}"; // no final line feed
    const ProgramRun run = RunEncoder({"--checksum", "--requests", "-"}, input);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "");
    std::vector<Json> lines;
    std::istringstream out(run.Out);
    for (std::string line; std::getline(out, line);)
        lines.push_back(Json::parse(line));
    ASSERT_EQ(lines.size(), 5u) << run.Out;
    EXPECT_EQ(lines[0]["font_string"], "*CODE39W*"); // --checksum from the command line
    EXPECT_EQ(lines[1], (Json{{"error", "bad request: not valid JSON"}}));
    EXPECT_EQ(lines[2]["error"], "Error: input character \"a\" not legal in bar code 3 of 9");
    EXPECT_EQ(lines[3],
              (Json{{"error", "bad request: the variant must be a whole number from 1 to 7"}}));
    EXPECT_EQ(lines[4]["font_string"], "*A~B*");
}

struct StatusRow {
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string stdoutPath = "";
};

// 0 when every record encoded, 1 when some record failed to encode (a
// malformed one included), 2 for bad usage, unreadable input or unwritable
// output: the same in every mode.
TEST(EndToEnd, ExitStatusIsOneRuleForEveryMode) {
    const std::string requests = ScratchFile("status.jsonl").string();
    WriteFile(requests, "{\"data\":\"ABC\"}\n");
    const std::string goodJson = "{\"data\":\"ABC\"}\n";
    const std::string missing = ScratchFile("no-such-file").string();
    const StatusRow rows[] = {
        {{"ABC"}, "", 0},
        {{"abc"}, "", 1},
        {{"-z", "G", "ABC"}, "", 2},
        {{"ABC"}, "", 2, "/dev/full"},
        {{"--requests", requests}, "", 0},
        {{"--requests", "-"}, goodJson + "{\"data\":\"abc\"}\n", 1},
        {{"--requests", "-"}, goodJson + "{\"data\":\n", 1},
        {{"--requests", missing + ".jsonl"}, "", 2},
        {{"--requests", "/"}, "", 2}, // opens, but cannot be read
        {{"--requests", "-"}, goodJson, 2, "/dev/full"},
        {{"--batch", "-"}, "ABC\n", 0},
        {{"--batch", "-"}, "ABC\nabc\n", 1},
        {{"--batch", "-"}, "ABC\n\"A\"B\n", 1},
        {{"--batch", missing + ".csv"}, "", 2},
        {{"--batch", "/"}, "", 2},
        {{"--batch", "-"}, "ABC\n", 2, "/dev/full"},
        {{"--batch", "-", "ABC"}, "", 2},
    };
    for (const auto& row : rows) {
        const ProgramRun run = RunEncoder(row.args, row.input, row.stdoutPath);
        EXPECT_EQ(run.Status, row.status)
            << row.args.front() << " " << row.args.back() << " " << row.input << row.stdoutPath;
    }
}

// A line past the limit is one failed request, and the run goes on.
TEST(EndToEnd, RequestsLineOverTheLimit) {
    const std::string input =
        "{\"data\":\"" + std::string(2 * 1024 * 1024, 'A') + "\"}\n{\"data\":\"B\"}\n";
    const ProgramRun run = RunEncoder({"--requests", "-"}, input);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "{\"error\":\"bad request: the line is longer than 1 MB (1048576 bytes)\"}\n"
                       "{\"font_string\":\"*B*\",\"sums_text\":\"\",\"bar_text_out\":\"*B*\","
                       "\"sample_text\":\"*B*  \",\"sample_size\":24,\"output_text_size\":null,"
                       "\"human_text\":\"\",\"face\":\"Tessary 39 d\",\"x_dimension_mm\":0.339,"
                       "\"width_mm\":22.691,\"height_mm\":8.467,\"magnification_percent\":null,"
                       "\"warning\":\"\",\"data_text\":\"B\"}\n");
}

// A client that writes one request and waits for its answer before writing
// the next must get that answer: output is held back only while input waits.
TEST(EndToEnd, RequestsAnswerAClientThatWaits) {
    int toChild[2], fromChild[2];
    ASSERT_EQ(::pipe(toChild), 0);
    ASSERT_EQ(::pipe(fromChild), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
    posix_spawn_file_actions_addclose(&actions, toChild[1]);
    posix_spawn_file_actions_addclose(&actions, fromChild[0]);
    std::string program = ZINDRA_ENCODE, mode = "--requests", stdinName = "-";
    char* argv[] = {program.data(), mode.data(), stdinName.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, ZINDRA_ENCODE, &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(toChild[0]);
    ::close(fromChild[1]);

    for (const std::string data : {"CODE39", "A"}) {
        const std::string request = "{\"data\":\"" + data + "\"}\n";
        ASSERT_EQ(::write(toChild[1], request.data(), request.size()),
                  static_cast<ssize_t>(request.size()));
        std::string answer;
        while (answer.empty() || answer.back() != '\n') {
            pollfd ready{fromChild[0], POLLIN, 0};
            ASSERT_EQ(::poll(&ready, 1, 10000), 1) << "no answer to " << data;
            char buffer[4096];
            const ssize_t n = ::read(fromChild[0], buffer, sizeof buffer);
            ASSERT_GT(n, 0);
            answer.append(buffer, static_cast<std::size_t>(n));
        }
        EXPECT_EQ(Json::parse(answer)["font_string"], "*" + data + "*");
    }
    ::close(toChild[1]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(fromChild[0]);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

struct BatchRow {
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string out;
    std::string err = {};
};

TEST(EndToEnd, Batch) {
    const std::string header = "data,extra,font_string,error,warning,face\r\n";
    const BatchRow rows[] = {
        {{"-c"},
         "CODE39\nA B\n",
         0,
         header + "CODE39,,*CODE39W*,,,Tessary 39 d\r\nA B,,*A~BG*,,,Tessary 39 d\r\n"},
        {{}, "", 0, header},
        // a failing row is reported and the rows after it are still encoded
        {{},
         "abc\n\nOK\n",
         1,
         header + "abc,,,\"Error: input character \"\"a\"\" not legal in bar code 3 of 9\",,\r\n"
                  ",,,\"Error, no data to bar code\",,\r\n"
                  "OK,,*OK*,,,Tessary 39 d\r\n"},
        // column 2 is the extra text; without it the command line's applies
        {{"-s", "ean", "-v", "3", "-e", "90000"},
         "0-306-40615-2\r\n\"0,306,40615,2\",9000\r\n",
         1,
         header + "0306406152,90000,*HYQDQG|406157] /j.q.a.q.a,,bars at 83 % of the standard "
                  "height: for hand-held scanners only,Tessary EAN d\r\n"
                  "0306406152,9000,,The price field must be 5 digits long,,\r\n"},
        {{},
         "A,1,2\n\"A\"B\n\xFF\n",
         1,
         header + "A,1,*A*,,,Tessary 39 d\r\n"
                  "AB,,,bad CSV: text after a closing quote,,\r\n"
                  "\xEF\xBF\xBD,,,invalid UTF-8 in data,,\r\n"},
        // what spreadsheets export: semicolons, tabs, 8-bit sets, empty lines at the end
        {{"-s", "code128", "-v", "2"},
         "AB-1001;Widget, small\nAB-1002;Gadget\n\n\n",
         0,
         header + "AB-1001,\"Widget, small\",|AB-1001\xC3\x83~,,,Tessary Code 128AB d\r\n"
                  "AB-1002,Gadget,|AB-1002\xC3\x8A~,,,Tessary Code 128AB d\r\n"},
        {{"--delimiter", ",", "-s", "code128", "-v", "2"},
         "AB-1001;Widget, small\n",
         0,
         // 189 modules and 2 x 10 quiet: 25-module bars are under 15 % of its width
         header + "AB-1001;Widget, small,|AB-1001;WidgetX~,,bars shorter than 10.7 mm (15 % of the "
                  "width): for hand-held scanners only,Tessary Code 128AB d\r\n"},
        {{"-s", "ean", "-v", "3"},
         "0-306-40615-2\t90000\n",
         0,
         header + "0306406152,90000,*HYQDQG|406157] /j.q.a.q.a,,bars at 83 % of the standard "
                  "height: for hand-held scanners only,Tessary EAN d\r\n"},
        {{"--encoding", "windows-1252"},
         "\x80"
         "a\x81\n",
         1,
         header +
             "\xE2\x82\xAC"
             "a\xEF\xBF\xBD,,,"
             "\"Error: input character \"\"\xE2\x82\xAC\"\" not legal in bar code 3 of 9\",,\r\n"},
        {{"--encoding", "latin1"},
         "CAF\xC9\n",
         1,
         header + "CAF\xC3\x89,,,\"Error: input character \"\"\xC3\x89\"\" not legal in bar code 3 "
                  "of 9\",,\r\n"},
        // a malformed record ends where its quotes say: one row per record
        {{},
         "ITEM1,\n\"ITEM2\"X,\"NOTE\nPART2\nPART3\"\nITEM3,\n",
         1,
         header + "ITEM1,,*ITEM1*,,,Tessary 39 d\r\n"
                  "ITEM2X,\"NOTE\nPART2\nPART3\",,bad CSV: text after a closing quote,,\r\n"
                  "ITEM3,,*ITEM3*,,,Tessary 39 d\r\n"},
        // a spreadsheet's "CSV UTF-8" starts with a byte-order mark
        {{},
         "\xEF\xBB\xBF"
         "CODE39\r\n",
         0,
         header + "CODE39,,*CODE39*,,,Tessary 39 d\r\n"},
        // an empty second column is a blank cell: -e stands
        {{"-s", "ean", "-v", "3", "-e", "90000"},
         "0-306-40615-2,\r\n",
         0,
         header + "0306406152,90000,*HYQDQG|406157] /j.q.a.q.a,,bars at 83 % of the standard "
                  "height: for hand-held scanners only,Tessary EAN d\r\n"},
        // a header row names the columns and is no record
        {{"--header"}, "Part number\nA\n", 0, header + "A,,*A*,,,Tessary 39 d\r\n"},
        {{"--header", "--column", "Part number"},
         "Description,Part number\nWidget,AB-1\n",
         0,
         header + "AB-1,,*AB-1*,,,Tessary 39 d\r\n"},
        {{"--header", "--column", " Part number ", "--extra-column", "Price", "-s", "ean", "-v",
          "3"},
         "Price; Part number\n90000;0-306-40615-2\n",
         0,
         header + "0306406152,90000,*HYQDQG|406157] /j.q.a.q.a,,bars at 83 % of the standard "
                  "height: for hand-held scanners only,Tessary EAN d\r\n"},
        {{"--column", "2"}, "x,A\n", 0, header + "A,,*A*,,,Tessary 39 d\r\n"},
        // digits-only symbologies drop the blanks a spreadsheet pads numbers with
        {{"-s", "ean", "-v", "2"},
         " 4006381333931 \n\t400638133393\n",
         0,
         header + "4006381333931,,%AQGDYR|333931],,bars at 83 % of the standard height: for "
                  "hand-held scanners only,Tessary EAN d\r\n"
                  "400638133393,,%AQGDYR|333931],,bars at 83 % of the standard height: for "
                  "hand-held scanners only,Tessary EAN d\r\n"},
        {{"-c"}, " A B \n", 0, header + " A B ,,*~A~B~6*,,,Tessary 39 d\r\n"},
        // nothing but blanks is no data
        {{"-s", "ean", "-v", "2"}, "   \n", 1, header + ",,,\"Error, no data to bar code\",,\r\n"},
        // a faulty byte past the first eight, in the data and in the extra column
        {{},
         "ABCDEFGHIJ\xFF\nOK,ABCDEFGH\xC3\n",
         1,
         header + "ABCDEFGHIJ\xEF\xBF\xBD,,,invalid UTF-8 in data,,\r\n"
                  "OK,ABCDEFGH\xEF\xBF\xBD,,invalid UTF-8 in extra,,\r\n"},
        // the size line's warning goes last, and the row still counts as encoded
        {{"-s", "upc", "-p", "24"},
         "03600029145\n",
         0,
         header + "03600029145,, !DGAAA|29145S,,too small to scan reliably; bars at 83 % of the "
                  "standard height: for hand-held scanners only,Tessary UPCA d\r\n"},
        // what stops a run before its first record, and the doubt a guessed delimiter leaves
        {{"--header", "--column", "Part"},
         "Description,Part number\nWidget,AB-1\n",
         2,
         header,
         "zindra-encode: the header has no column \"Part\" (it has \"Description\", \"Part "
         "number\")\n"},
        {{"--column", "2", "--extra-column", "2"},
         "x,A\n",
         2,
         header,
         "zindra-encode: the extra text and the data share a column\n"},
        {{"--header"},
         "\"open\nA\n",
         2,
         header,
         "zindra-encode: the header row is not CSV: a quoted field is not closed at the end of "
         "the input\n"},
        {{"-s", "code128", "-v", "2"},
         "AB-1001;Widget, small\n",
         0,
         header + "AB-1001,\"Widget, small\",|AB-1001\xC3\x83~,,,Tessary Code 128AB d\r\n",
         "zindra-encode: warning: the fields are taken as separated by ';' (the first lines hold "
         "',' too); --delimiter says otherwise\n"},
        // a record over the limit is one failed row, and the run goes on
        {{},
         std::string(2 * 1024 * 1024, 'A') + "\nOK\n",
         1,
         header + ",,,bad CSV: the record is longer than 1 MB (1048576 bytes),,\r\n"
                  "OK,,*OK*,,,Tessary 39 d\r\n"},
    };
    for (const auto& row : rows) {
        auto args = row.args;
        args.insert(args.end(), {"--batch", "-"});
        const ProgramRun run = RunEncoder(args, row.input);
        EXPECT_EQ(run.Status, row.status) << row.input;
        EXPECT_EQ(run.Out, row.out) << row.input;
        EXPECT_EQ(run.Err, row.err) << row.input;
    }
}

TEST(EndToEnd, MissingInputFileIsStatusTwo) {
    const std::string rows = ScratchFile("no-such-folder").string() + "/rows.csv";
    const ProgramRun run = RunEncoder({"--batch", rows});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err.rfind("zindra-encode: cannot open '" + rows + "'", 0), 0u) << run.Err;
}

// A full disk must not pass for success.
TEST(EndToEnd, FailedOutputIsNotSuccess) {
    const ProgramRun run = RunEncoder({"CODE39"}, "", "/dev/full");
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, "zindra-encode: cannot write the output\n");
}

} // namespace
} // namespace zindra::test
