#include "cli/CommandLine.h"

#include "tests/TestText.h"

#include <gtest/gtest.h>

#include <functional>

namespace zindra::cli {
namespace {

using test::Show;
using Args = std::vector<std::string>;

// Every field, so a row also catches an option that changes more than its own.
void ExpectSame(const CommandLine& got, const CommandLine& want, const std::string& row) {
    const BarOptions& g = got.Options;
    const BarOptions& w = want.Options;
    EXPECT_EQ(got.Mode, want.Mode) << row;
    EXPECT_EQ(Show(g.DataText), Show(w.DataText)) << row;
    EXPECT_EQ(g.symbology, w.symbology) << row;
    EXPECT_EQ(g.VariantChoice, w.VariantChoice) << row;
    EXPECT_EQ(g.fontType, w.fontType) << row;
    EXPECT_EQ(g.FontSize, w.FontSize) << row;
    EXPECT_EQ(g.OptionalChecksum, w.OptionalChecksum) << row;
    EXPECT_EQ(g.Option2, w.Option2) << row;
    EXPECT_EQ(g.DispSums, w.DispSums) << row;
    EXPECT_EQ(Show(g.PointSize), Show(w.PointSize)) << row;
    EXPECT_EQ(Show(g.Extra), Show(w.Extra)) << row;
    EXPECT_EQ(got.InputPath, want.InputPath) << row;
    EXPECT_EQ(got.Json, want.Json) << row;
    EXPECT_EQ(got.PngPath, want.PngPath) << row;
    EXPECT_EQ(got.Dpi, want.Dpi) << row;
}

std::string Joined(const Args& args) {
    std::string text;
    for (const auto& arg : args)
        text += "[" + arg + "]";
    return text;
}

struct AcceptedRow {
    Args args;
    std::function<void(CommandLine&)> change; // from the defaults with DATA "X"
};

TEST(CommandLine, Accepted) {
    const AcceptedRow rows[] = {
        {{"X"}, [](CommandLine&) {}},
        {{"-s", "i25", "X"},
         [](CommandLine& l) { l.Options.symbology = Symbology::Interleaved25; }},
        {{"-s", "ean", "X"}, [](CommandLine& l) { l.Options.symbology = Symbology::Ean; }},
        {{"--symbology=upc", "X"},
         [](CommandLine& l) {
             l.Options.symbology = Symbology::Upc;
             l.Options.PointSize = u"48"; // the window's UPC size
         }},
        {{"-s", "postnet", "X"},
         [](CommandLine& l) {
             l.Options.symbology = Symbology::PostNet;
             l.Options.PointSize = u"18";
         }},
        {{"-s", "code128", "-v", "5", "X"}, // SSCC-18 always carries FNC1
         [](CommandLine& l) {
             l.Options.symbology = Symbology::Code128;
             l.Options.VariantChoice = 5;
             l.Options.Option2 = true;
         }},
        {{"-v", "5", "X"}, [](CommandLine& l) { l.Options.VariantChoice = 5; }},
        // Auto and GS1-128 by name; neither is forced to carry UCC/EAN as the SCCs are
        {{"-s", "code128", "-v", "auto", "X"},
         [](CommandLine& l) {
             l.Options.symbology = Symbology::Code128;
             l.Options.VariantChoice = 6;
         }},
        {{"-s", "code128", "-v", "gs1", "X"},
         [](CommandLine& l) {
             l.Options.symbology = Symbology::Code128;
             l.Options.VariantChoice = 7;
         }},
        {{"-s", "code128", "-v", "1", "X"}, // subset A stays reachable
         [](CommandLine& l) { l.Options.symbology = Symbology::Code128; }},
        // -c and -o by the window's captions, where the window shows the box
        {{"--full-ascii", "--add-checksum", "X"},
         [](CommandLine& l) {
             l.Options.Option2 = true;
             l.Options.OptionalChecksum = true;
         }},
        {{"--no-quotes", "-s", "code128", "--ucc-ean", "X"}, // the symbology may come after
         [](CommandLine& l) {
             l.Options.symbology = Symbology::Code128;
             l.Options.VariantChoice = 6; // without -v, Code 128 is Auto
             l.Options.OptionalChecksum = true;
             l.Options.Option2 = true;
         }},
        {{"-s", "i25", "-t", "itf14", "--closed-box", "X"},
         [](CommandLine& l) {
             l.Options.symbology = Symbology::Interleaved25;
             l.Options.fontType = FontType::Itf14;
             l.Options.Option2 = true;
         }},
        {{"-t", "human", "X"},
         [](CommandLine& l) { l.Options.fontType = FontType::HumanReadable; }},
        {{"--font-type=itf14", "X"}, [](CommandLine& l) { l.Options.fontType = FontType::Itf14; }},
        {{"-z", "A", "X"}, [](CommandLine& l) { l.Options.FontSize = 'A'; }},
        {{"--size", "F", "X"}, [](CommandLine& l) { l.Options.FontSize = 'F'; }},
        {{"-c", "X"}, [](CommandLine& l) { l.Options.OptionalChecksum = true; }},
        {{"--option2", "X"}, [](CommandLine& l) { l.Options.Option2 = true; }},
        {{"--sums", "X"}, [](CommandLine& l) { l.Options.DispSums = true; }},
        {{"-coS", "X"}, // a cluster of short flags
         [](CommandLine& l) {
             l.Options.OptionalChecksum = l.Options.Option2 = l.Options.DispSums = true;
         }},
        {{"-p", "36", "X"}, [](CommandLine& l) { l.Options.PointSize = u"36"; }},
        // The point size text is the engine's to judge.
        {{"-e", "\xC3\xA4 1", "X"}, [](CommandLine& l) { l.Options.Extra = u"\u00E4 1"; }},
        {{"--extra=", "X"}, [](CommandLine&) {}},
        {{"-v", "2", "-v", "3", "X"}, [](CommandLine& l) { l.Options.VariantChoice = 3; }},
        {{"X", "--checksum"}, // options may follow DATA
         [](CommandLine& l) { l.Options.OptionalChecksum = true; }},
        {{"--json", "X"}, [](CommandLine& l) { l.Json = true; }},
        {{"--", "-5"}, [](CommandLine& l) { l.Options.DataText = u"-5"; }},
        {{"-c", "--", "-c"}, // after "--" an option name is data
         [](CommandLine& l) {
             l.Options.OptionalChecksum = true;
             l.Options.DataText = u"-c";
         }},
        {{"-"}, [](CommandLine& l) { l.Options.DataText = u"-"; }},
        {{""}, [](CommandLine& l) { l.Options.DataText = u""; }}, // empty DATA is still DATA
        {{"\xF0\x9F\x98\x80"}, [](CommandLine& l) { l.Options.DataText = u"\U0001F600"; }},
        {{"--png", "a.png", "X"}, [](CommandLine& l) { l.PngPath = "a.png"; }},
        {{"--png=a.png", "--dpi", "300", "X"},
         [](CommandLine& l) {
             l.PngPath = "a.png";
             l.Dpi = 300;
         }},
        {{"--requests", "-"},
         [](CommandLine& l) {
             l.Mode = RunMode::Requests;
             l.InputPath = "-";
             l.Options.DataText.clear();
         }},
        {{"--json", "--requests", "in.jsonl"},
         [](CommandLine& l) {
             l.Mode = RunMode::Requests;
             l.InputPath = "in.jsonl";
             l.Json = true;
             l.Options.DataText.clear();
         }},
        {{"-s", "ean", "--batch", "rows.csv"},
         [](CommandLine& l) {
             l.Mode = RunMode::Batch;
             l.InputPath = "rows.csv";
             l.Options.symbology = Symbology::Ean;
             l.Options.DataText.clear();
         }},
        {{"--help"},
         [](CommandLine& l) {
             l.Mode = RunMode::Help;
             l.Options.DataText.clear();
         }},
        {{"-h", "--nonsense"}, // help wins over what follows it
         [](CommandLine& l) {
             l.Mode = RunMode::Help;
             l.Options.DataText.clear();
         }},
        {{"--version"},
         [](CommandLine& l) {
             l.Mode = RunMode::Version;
             l.Options.DataText.clear();
         }},
    };
    for (const auto& row : rows) {
        CommandLine want;
        want.Options.DataText = u"X";
        row.change(want);
        const auto got = ParseCommandLine(row.args);
        ASSERT_TRUE(std::holds_alternative<CommandLine>(got))
            << Joined(row.args) << ": " << std::get<UsageError>(got).Message;
        ExpectSame(std::get<CommandLine>(got), want, Joined(row.args));
    }
}

struct RefusedRow {
    Args args;
    std::string message;
};

TEST(CommandLine, Refused) {
    const RefusedRow rows[] = {
        {{}, "missing DATA"},
        {{"-c", "-s", "ean"}, "missing DATA"},
        {{"A", "B"}, "more than one DATA (quote DATA that holds spaces)"},
        {{"-5"}, "unknown option '-5'"}, // data beginning with "-" needs "--"
        {{"-x", "X"}, "unknown option '-x'"},
        {{"-cx", "X"}, "unknown option '-x'"},
        {{"--nope", "X"}, "unknown option '--nope'"},
        {{"--checksum=yes", "X"}, "option '--checksum' takes no value"},
        {{"--json=1", "X"}, "option '--json' takes no value"},
        {{"X", "-s"}, "option '-s' needs a value"},
        {{"X", "--extra"}, "option '--extra' needs a value"},
        {{"-s", "code-39", "X"},
         "unknown symbology \"code-39\" "
         "(i25 | code39 | code93 | code128 | codabar | ean | postnet | upc)"},
        {{"-v", "0", "X"}, "the variant must be a whole number from 1 to 7"},
        {{"-v", "-1", "X"}, "the variant must be a whole number from 1 to 7"},
        {{"-v", "2x", "X"}, "the variant must be a whole number from 1 to 7"},
        {{"-v", "8", "X"}, "the variant must be a whole number from 1 to 7"}, // past GS1-128
        {{"-v", "Auto", "X"}, "the variant must be a whole number from 1 to 7"}, // names are lower case
        {{"-v", "99999999999999999999", "X"}, "the variant must be a whole number from 1 to 7"},
        {{"-t", "Human", "X"}, "unknown font type \"Human\" (standard | human | itf14)"},
        {{"-z", "G", "X"}, "unknown size \"G\" (one letter A to F)"},
        {{"-z", "d", "X"}, "unknown size \"d\" (one letter A to F)"},
        {{"-z", "AB", "X"}, "unknown size \"AB\" (one letter A to F)"},
        {{"\xC0\xAF"}, "invalid UTF-8 in DATA"},
        {{"\xED\xA0\x80"}, "invalid UTF-8 in DATA"}, // an encoded surrogate
        {{"-e", "\xFF", "X"}, "invalid UTF-8 in --extra"},
        {{"-p", "2\xE4", "X"}, "invalid UTF-8 in --point-size"},
        // a point size is an option: refused at once, in every mode
        {{"--point-size", "abc", "X"},
         "Error, the point size must be a whole number from 1 to 1638"},
        {{"-p", "0", "--batch", "-"},
         "Error, the point size must be a whole number from 1 to 1638"},
        {{"--pdf", "-", "--sheet", "5160", "--batch", "-"},
         "--pdf cannot write to standard output; name a file"},
        {{"--png", "a.png", "--png", "b.png", "X"}, "option '--png' given more than once"},
        {{"--sheet", "5160", "--sheet", "5160", "--pdf", "a.pdf", "--batch", "-"},
         "option '--sheet' given more than once"},
        {{"--pdf", "a.pdf", "--pdf=b.pdf", "--sheet", "5160", "--batch", "-"},
         "option '--pdf' given more than once"},
        {{"--dpi", "300", "X"}, "--dpi needs --png or --sheet"},
        {{"--batch", "a", "--sheet", "5160", "--pdf", "o", "--dpi", "250"},
         "with --sheet the dpi is the label printer's: 203, 300 or 600"},
        {{"--no-quotes", "X"},
         "--no-quotes means nothing here: it names -c under code128 (and there only where the "
         "window shows that box)"},
        {{"-s", "i25", "-t", "itf14", "--add-checksum", "X"}, // ITF-14 has its check digit
         "--add-checksum means nothing here: it names -c under i25, code39 (and there only "
         "where the window shows that box)"},
        {{"-s", "code128", "-v", "4", "--ucc-ean", "X"}, // SCC-14 carries it anyway
         "--ucc-ean means nothing here: it names -o under code128 (and there only where the "
         "window shows that box)"},
        {{"--full-ascii=1", "X"}, "option '--full-ascii' takes no value"},
        {{"--delimiter", ";", "X"},
         "--delimiter, --encoding, --header and the column options need --batch"},
        {{"--encoding", "latin1", "--requests", "-"},
         "--delimiter, --encoding, --header and the column options need --batch"},
        {{"--delimiter", "|", "--batch", "-"}, "unknown delimiter \"|\" (auto | , | ; | tab | :)"},
        {{"--encoding", "cp1252", "--batch", "-"},
         "unknown encoding \"cp1252\" (utf-8 | latin1 | windows-1252)"},
        {{"--png", "a.png", "--dpi", "71", "X"}, "the dpi must be a whole number from 72 to 4800"},
        {{"--png", "a.png", "--dpi", "4801", "X"},
         "the dpi must be a whole number from 72 to 4800"},
        {{"--requests", "-", "X"}, "DATA cannot be given with --requests or --batch"},
        {{"--requests", "a", "--batch", "b"}, "use only one of --requests and --batch"},
        {{"--batch", "-", "--json"}, "--json cannot be used with --batch"},
        {{"--requests", "-", "--png", "a.png"}, "--png needs a single DATA"},
        {{"--png", "", "X"}, "--png needs a file name"},
    };
    for (const auto& row : rows) {
        const auto got = ParseCommandLine(row.args);
        ASSERT_TRUE(std::holds_alternative<UsageError>(got)) << Joined(row.args);
        EXPECT_EQ(std::get<UsageError>(got).Message, row.message) << Joined(row.args);
    }
}

} // namespace
} // namespace zindra::cli
