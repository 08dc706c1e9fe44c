#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <functional>

namespace zindra::cli {
namespace {

using Args = std::vector<std::string>;

std::string Joined(const Args& args) {
    std::string text;
    for (const auto& arg : args)
        text += "[" + arg + "]";
    return text;
}

void ExpectSame(const CommandLine& got, const CommandLine& want, const std::string& row) {
    EXPECT_EQ(got.Mode, want.Mode) << row;
    EXPECT_EQ(got.InputPath, want.InputPath) << row;
    EXPECT_EQ(got.Sheet.Stock, want.Sheet.Stock) << row;
    EXPECT_EQ(got.Sheet.PdfPath, want.Sheet.PdfPath) << row;
    EXPECT_EQ(got.Sheet.Skip, want.Sheet.Skip) << row;
    EXPECT_EQ(got.Sheet.Copies, want.Sheet.Copies) << row;
    EXPECT_EQ(got.Sheet.Outline, want.Sheet.Outline) << row;
    for (const auto& [gotColumn, wantColumn] :
         {std::pair{&got.Csv.Columns.Data, &want.Csv.Columns.Data},
          std::pair{&got.Csv.Columns.Extra, &want.Csv.Columns.Extra},
          std::pair{&got.Csv.Columns.Caption, &want.Csv.Columns.Caption}}) {
        EXPECT_EQ(gotColumn->Number, wantColumn->Number) << row;
        EXPECT_EQ(gotColumn->Name, wantColumn->Name) << row;
    }
    EXPECT_EQ(got.Csv.Header, want.Csv.Header) << row;
    EXPECT_EQ(got.Sheet.Dpi, want.Sheet.Dpi) << row;
    EXPECT_EQ(got.Sheet.PointSizeGiven, want.Sheet.PointSizeGiven) << row;
    EXPECT_EQ(got.Sheet.DataText, want.Sheet.DataText) << row;
    EXPECT_EQ(got.Sheet.FitEach, want.Sheet.FitEach) << row;
}

struct AcceptedRow {
    Args args;
    std::function<void(CommandLine&)> change; // from a sheet of 5160 from rows.csv to out.pdf
};

TEST(SheetOptions, Accepted) {
    const Args sheet = {"--batch", "rows.csv", "--sheet", "5160", "--pdf", "out.pdf"};
    const AcceptedRow rows[] = {
        {{}, [](CommandLine&) {}},
        {{"--skip", "0"}, [](CommandLine&) {}},                        // the first label
        {{"--skip", "29"}, [](CommandLine& l) { l.Sheet.Skip = 29; }}, // the last label of 30
        {{"--copies", "1000", "--outline"},
         [](CommandLine& l) {
             l.Sheet.Copies = 1000;
             l.Sheet.Outline = true;
         }},
        {{"--extra-column", "3"}, [](CommandLine& l) { l.Csv.Columns.Extra.Number = 3; }},
        {{"--header", "--column", "Part number", "--caption-column", "2"},
         [](CommandLine& l) {
             l.Csv.Header = true;
             l.Csv.Columns.Data.Name = "Part number";
             l.Csv.Columns.Caption.Number = 2;
         }},
        {{"-p", "24"}, [](CommandLine& l) { l.Sheet.PointSizeGiven = true; }},
        {{"--dpi", "203"},
         [](CommandLine& l) {
             l.Sheet.Dpi = 203;
             l.Dpi = 203;
         }},
        {{"--no-text", "--fit", "each"},
         [](CommandLine& l) {
             l.Sheet.DataText = false;
             l.Sheet.FitEach = true;
             l.Sheet.FitGiven = true;
         }},
        {{"--fit", "sheet"}, [](CommandLine& l) { l.Sheet.FitGiven = true; }},
        // "list" needs nothing else and ignores the rest.
        {{"--sheet", "list"},
         [](CommandLine& l) {
             l.Mode = RunMode::SheetList;
             l.Sheet.Stock = "list";
         }},
    };
    for (const auto& row : rows) {
        Args args = sheet;
        args.insert(args.end(), row.args.begin(), row.args.end());
        CommandLine want;
        want.Mode = RunMode::Batch;
        want.InputPath = "rows.csv";
        want.Sheet.Stock = "5160";
        want.Sheet.PdfPath = "out.pdf";
        row.change(want);
        const auto got = ParseCommandLine(args);
        ASSERT_TRUE(std::holds_alternative<CommandLine>(got))
            << Joined(args) << ": " << std::get<UsageError>(got).Message;
        ExpectSame(std::get<CommandLine>(got), want, Joined(args));
    }
    const auto list = ParseCommandLine({"--sheet", "list"});
    ASSERT_TRUE(std::holds_alternative<CommandLine>(list));
    EXPECT_EQ(std::get<CommandLine>(list).Mode, RunMode::SheetList);
}

TEST(SheetOptions, Refused) {
    const std::pair<Args, std::string> rows[] = {
        {{"--batch", "a", "--sheet", "5159", "--pdf", "o"},
         "unknown label stock '5159' (see --sheet list, or give custom:... or roll:WxH)"},
        {{"--batch", "a", "--sheet", "---", "--pdf", "o"}, // the custom size has no sheet
         "unknown label stock '---' (see --sheet list, or give custom:... or roll:WxH)"},
        {{"--batch", "a", "--sheet", "5160"}, "--sheet needs --pdf FILE"},
        {{"--sheet", "5160", "--pdf", "o", "X"}, "--sheet needs --batch (or --sheet list)"},
        {{"--sheet", "5160"},
         "--sheet needs --batch (or --sheet list)"}, // before the missing --pdf
        {{"--requests", "a", "--sheet", "5160", "--pdf", "o"},
         "--sheet needs --batch (or --sheet list)"},
        {{"--batch", "a", "--pdf", "o"}, "--pdf, --skip, --copies and --outline need --sheet"},
        {{"--batch", "a", "--outline"}, "--pdf, --skip, --copies and --outline need --sheet"},
        {{"--batch", "a", "--caption-column", "3"}, "--caption-column needs --sheet"},
        {{"--requests", "a", "--header"},
         "--delimiter, --encoding, --header and the column options need --batch"},
        {{"--batch", "a", "--column", "Part"}, "--column names a column: that needs --header"},
        {{"--batch", "a", "--column", "0"},
         "--column must be a column number from 1 to 1000, or a name"},
        {{"--batch", "a", "--column", ""}, "--column needs a column number or name"},
        {{"--batch", "a", "--sheet", "5160", "--pdf", "o", "--skip", "30"},
         "--skip must leave a label on the first sheet: from 0 to 29 for 5160"},
        {{"--batch", "a", "--sheet", "5164", "--pdf", "o", "--skip", "6"},
         "--skip must leave a label on the first sheet: from 0 to 5 for 5164"},
        {{"--batch", "a", "--sheet", "5160", "--pdf", "o", "--skip", "2147483647"},
         "--skip must be a whole number from 0 to the labels on a sheet less one"},
        {{"--batch", "a", "--sheet", "5160", "--pdf", "o", "--skip", "-1"},
         "--skip must be a whole number from 0 to the labels on a sheet less one"},
        {{"--batch", "a", "--sheet", "5160", "--pdf", "o", "--copies", "0"},
         "--copies must be a whole number from 1 to 1000"},
        {{"--batch", "a", "--sheet", "5160", "--pdf", "o", "--copies", "1001"},
         "--copies must be a whole number from 1 to 1000"},
        {{"--batch", "a", "--sheet", "5160", "--pdf", "o", "--extra-column", "1001"},
         "--extra-column must be a column number from 1 to 1000, or a name"},
        {{"--batch", "a", "--sheet", "5160", "--pdf", ""}, "--pdf needs a file name"},
        {{"--batch", "a", "--sheet", "5160", "--pdf", "o", "--outline=1"},
         "option '--outline' takes no value"},
        {{"--batch", "a", "--sheet", "5160", "--pdf", "o", "--fit", "label"},
         "--fit must be sheet or each"},
        {{"--batch", "a", "--sheet", "5160", "--pdf", "o", "--fit"},
         "option '--fit' needs a value"},
        {{"--batch", "a", "--no-text"}, "--no-text and --fit need --sheet"},
        {{"--batch", "a", "--fit", "each"}, "--no-text and --fit need --sheet"},
    };
    for (const auto& [args, message] : rows) {
        const auto got = ParseCommandLine(args);
        ASSERT_TRUE(std::holds_alternative<UsageError>(got)) << Joined(args);
        EXPECT_EQ(std::get<UsageError>(got).Message, message) << Joined(args);
    }
}

} // namespace
} // namespace zindra::cli
