#include "tests/cli/RunProgram.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace zindra::test {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct PageRow {
    std::vector<std::string> choices;
    std::vector<std::string> paper;
    const char* data;
    const char* out;      // the font string, worked out from the symbol values
    const char* mediaBox; // the page in points: Letter 612 x 792, A4 595 x 842
    const char* face;     // the bar-code face travels with the page
};

const PageRow PageRows[] = {
    {{"-s", "code39", "-c"},
     {},
     "CODE39",
     "*CODE39W*\n",
     "/MediaBox [0 0 612.000000 792.000000]",
     "Tessary-39-d"},
    {{"-s", "code39", "-c"},
     {"--paper", "letter"},
     "CODE39",
     "*CODE39W*\n",
     "/MediaBox [0 0 612.000000 792.000000]",
     "Tessary-39-d"},
    {{"-s", "code39", "-c"},
     {"--paper", "a4"},
     "CODE39",
     "*CODE39W*\n",
     "/MediaBox [0 0 595.000000 842.000000]",
     "Tessary-39-d"},
    // Start B, "Hello 128" all in B, check 1688 mod 103 = 40, stop.
    {{"-s", "code128", "-v", "auto"},
     {"--paper", "a4"},
     "Hello 128",
     "\u00CAIfmmp!239I\u00CC\n",
     "/MediaBox [0 0 595.000000 842.000000]",
     "Tessary-Code-128ABC-d"},
    // Start C, FNC1, 01 09 50 11 01 53 00 03 10, Code B, AB-123, check 3981 mod 103 = 67.
    {{"-s", "code128", "-v", "gs1", "-t", "human"},
     {},
     "(01)09501101530003(10)AB-123",
     "\u00CB\u00C8\"*S,\"V!$+\u00C6BC.234d\u00CC\n",
     "/MediaBox [0 0 612.000000 792.000000]",
     "Tessary-Code-128ABC-d"},
};

TEST(SamplePageCli, WritesOnePageOnItsPaper) {
    for (const PageRow& row : PageRows) {
        const std::string pdf = ScratchFile("page.pdf").string();
        std::filesystem::remove(pdf);
        std::vector<std::string> args = row.choices;
        args.insert(args.end(), {"--sample-page", pdf});
        args.insert(args.end(), row.paper.begin(), row.paper.end());
        args.insert(args.end(), {"--", row.data});
        const ProgramRun run = RunEncoder(args);
        ASSERT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Out, row.out);
        const std::string bytes = ReadFile(pdf);
        EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
        EXPECT_NE(bytes.find(row.mediaBox), std::string::npos) << row.mediaBox;
        EXPECT_NE(bytes.find(row.face), std::string::npos) << row.face;
    }
}

struct RefusedRow {
    std::vector<std::string> args;
    int status;
    const char* err; // the message, or its start
};

TEST(SamplePageCli, Refusals) {
    const std::string inMissingFolder = ScratchFile("no-such-folder").string() + "/page.pdf";
    const std::string cannotWriteThere = "zindra-encode: cannot write '" + inMissingFolder + "'";
    const RefusedRow rows[] = {
        {{"--sample-page", inMissingFolder, "X"}, 2, cannotWriteThere.c_str()},
        // A file that cannot be written to the end is not a page.
        {{"--sample-page", "/dev/full", "X"}, 2, "zindra-encode: cannot write '/dev/full'"},
        {{"--paper", "a4", "X"}, 2, "zindra-encode: --paper needs --sample-page"},
        {{"--sample-page", "p.pdf", "--paper", "a5", "X"},
         2,
         "zindra-encode: the paper must be letter or a4"},
        {{"--sample-page", "p.pdf", "--batch", "-"},
         2,
         "zindra-encode: --sample-page needs a single DATA"},
        {{"--sample-page", "", "X"}, 2, "zindra-encode: --sample-page needs a file name"},
        // An encoding error writes no page.
        {{"--sample-page", ScratchFile("none.pdf").string(), "abc"}, 1, "Error"},
    };
    for (const auto& row : rows) {
        const ProgramRun run = RunEncoder(row.args);
        EXPECT_EQ(run.Status, row.status) << row.args.front();
        EXPECT_NE(run.Err.find(row.err), std::string::npos) << run.Err;
    }
    EXPECT_FALSE(std::filesystem::exists(ScratchFile("none.pdf")));
}

} // namespace
} // namespace zindra::test
