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

struct PaperRow {
    std::vector<std::string> paper;
    const char* mediaBox; // the page in points: Letter 612 x 792, A4 595 x 842
};

const PaperRow PaperRows[] = {
    {{}, "/MediaBox [0 0 612.000000 792.000000]"},
    {{"--paper", "letter"}, "/MediaBox [0 0 612.000000 792.000000]"},
    {{"--paper", "a4"}, "/MediaBox [0 0 595.000000 842.000000]"},
};

TEST(SamplePageCli, WritesOnePageOnItsPaper) {
    for (const PaperRow& row : PaperRows) {
        const std::string pdf = ScratchFile("page.pdf").string();
        std::filesystem::remove(pdf);
        std::vector<std::string> args{"-s", "code39", "-c", "--sample-page", pdf};
        args.insert(args.end(), row.paper.begin(), row.paper.end());
        args.push_back("CODE39");
        const ProgramRun run = RunEncoder(args);
        ASSERT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Out, "*CODE39W*\n");
        const std::string bytes = ReadFile(pdf);
        EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
        EXPECT_NE(bytes.find(row.mediaBox), std::string::npos) << row.mediaBox;
        // The bar-code face travels with the page.
        EXPECT_NE(bytes.find("Tessary-39-d"), std::string::npos);
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
