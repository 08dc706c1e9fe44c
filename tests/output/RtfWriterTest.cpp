#include "output/RtfWriter.h"

#include "tests/TestText.h"
#include "tests/output/RtfReader.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::ReadRtf;
using test::Show;
using test::Styled;
using test::U;

struct RunsRow {
    const char* what;
    std::vector<StyledRun> runs;
};

const RunsRow RoundTripRows[] = {
    {"Code 39 with its check character", {Styled("Tessary 39 d", 24, u"*CODE39W*  ")}},
    // SSCC-18 00614141123456789 with UCC/EAN and the human-readable line:
    // FNC1 206, pair characters, check "?" after 194, and Arial at 24*7/24.
    {"SSCC-18 with its human-readable line",
     {Styled("Tessary Code 128C d", 24, U("}\u00CE!!^JJ-CYo\u00C2?~  ")),
      Styled("Arial", 7, u"\n (00) 00614141123456789 0")}},
    // Start B "|", data "{}" written as 194/196, check and stop "~": the
    // braces that RTF reserves must survive.
    {"Code 128 B with the RTF group characters",
     {Styled("Tessary Code 128AB a", 72, U("|{\\}\u00C2\u00C4~  "))}},
    {"PostNet at 18 points", {Styled("Tessary Postal", 18, u"(12345)  ")}},
    // Code 128 A/B data 127..159 arrive as C1 code points and must come back
    // as the same code points, not as the Windows-1252 characters of 0x80..0x9F.
    {"Code 128 A/B high codes",
     {Styled("Tessary Code 128AB d", 24, U("{\u007F\u0080\u0090\u009F\u00A0\u00CD~"))}},
    {"largest point size", {Styled("Tessary 39 a", 1638, u"*A*")}},
};

TEST(RtfWriter, ReadsBackFacesSizesAndText) {
    for (const auto& row : RoundTripRows) {
        const auto doc = ReadRtf(RichTextToRtf(row.runs));
        ASSERT_EQ(doc.Runs.size(), row.runs.size()) << row.what;
        for (std::size_t i = 0; i < row.runs.size(); ++i) {
            EXPECT_EQ(doc.Runs[i].Style, row.runs[i].Style) << row.what;
            EXPECT_EQ(Show(doc.Runs[i].Text), Show(row.runs[i].Text)) << row.what;
        }
    }
}

TEST(RtfWriter, ListsEachFaceOnce) {
    const std::vector<StyledRun> runs = {Styled("Tessary 39 d", 24, u"a"), Styled("Arial", 7, u"b"),
                                         Styled("Tessary 39 d", 12, u"c")};
    const auto doc = ReadRtf(RichTextToRtf(runs));
    EXPECT_EQ(doc.Fonts.size(), 2u);
    ASSERT_EQ(doc.Runs.size(), 3u);
    EXPECT_EQ(doc.Runs[2].Style, (CharStyle{"Tessary 39 d", 12}));
}

struct EscapeRow {
    char16_t c;
    const char* rtf;
};

// How each kind of character is written, worked out from the RTF rules and
// the Windows-1252 table.
const EscapeRow EscapeRows[] = {
    {u'A', "A"},
    {u'|', "|"},
    {u'~', "~"},
    {u'{', "\\{"},
    {u'}', "\\}"},
    {u'\\', "\\\\"},
    {u'\n', "\\par "},
    {0x7F, "\\'7f"},
    // Font positions 160..255 are the Windows-1252 bytes themselves.
    {0xA0, "\\'a0"},
    {0xC2, "\\'c2"},
    {0xCE, "\\'ce"},
    {0xE4, "\\'e4"},
    {0xFF, "\\'ff"},
    // The C1 controls: \'80 would reach the font as the euro sign U+20AC, a
    // different code point from the one the sample shows, so they go as \u.
    {0x80, "\\u128?"},
    {0x81, "\\u129?"},
    {0x9F, "\\u159?"},
    // Characters that Windows-1252 does have at 0x80..0x9F use their byte.
    {0x20AC, "\\'80"},
    {0x2022, "\\'95"},
    {0x0178, "\\'9f"},
    {0x0394, "\\u916?"},
    // \u takes a signed 16-bit number.
    {0xE000, "\\u-8192?"},
};

TEST(RtfWriter, EscapesEachCharacterKind) {
    for (const auto& row : EscapeRows) {
        std::string rtf;
        AppendRtfText(rtf, std::u16string(1, row.c));
        EXPECT_EQ(rtf, row.rtf) << "character " << static_cast<unsigned>(row.c);
    }
}

TEST(RtfWriter, EscapedCharactersReadBackAsThemselves) {
    std::u16string all;
    for (const auto& row : EscapeRows)
        all.push_back(row.c);
    const auto doc = ReadRtf(RichTextToRtf({Styled("Tessary 39 d", 24, all)}));
    ASSERT_EQ(doc.Runs.size(), 1u);
    EXPECT_EQ(Show(doc.Runs[0].Text), Show(all));
}

} // namespace
} // namespace zindra
