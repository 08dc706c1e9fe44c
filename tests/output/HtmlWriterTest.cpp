#include "output/HtmlWriter.h"

#include "tests/TestText.h"
#include "tests/output/RtfReader.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::Styled;
using test::U;

struct HtmlRow {
    const char* what;
    std::vector<StyledRun> runs;
    std::vector<std::string> contains;
    std::vector<std::string> lacks;
};

const HtmlRow HtmlRows[] = {
    {"one run keeps face, size and its two trailing spaces",
     {Styled("Tessary 39 d", 24, u"*CODE39W*  ")},
     {"font-family:&quot;Tessary 39 d&quot;;font-size:24pt\">*CODE39W*  </span>", "white-space:pre",
      "charset=\"utf-8\""},
     {}},
    {"the human-readable line follows a line break in Arial",
     {Styled("Tessary Code 128C d", 24, u"}!~  "),
      Styled("Arial", 7, u"\n (01) 1 06 14141 00001 9")},
     {"font-family:&quot;Arial&quot;;font-size:7pt\"><br> (01) 1 06 14141 00001 9</span>"},
     {}},
    // 160..255 as UTF-8: a with diaeresis is C3 A4.
    {"Latin-1 positions in UTF-8",
     {Styled("Tessary Code 128AB d", 24, U("|\u00E4~"))},
     {"|\xC3\xA4~"},
     {"&#"}},
    // &#128; would be read as the euro sign; the raw character stays U+0080.
    {"C1 controls raw, never as numeric references",
     {Styled("Tessary Code 128AB d", 24, U("{\u0080\u009F~"))},
     {"{\xC2\x80\xC2\x9F~"},
     {"&#128;", "&#159;"}},
    {"markup characters of the data are escaped",
     {Styled("Tessary 39 d", 24, u"<a&b>\"'")},
     {"&lt;a&amp;b&gt;&quot;&#39;"},
     {"<a&"}},
};

TEST(HtmlWriter, WritesRunsAsStyledSpans) {
    for (const auto& row : HtmlRows) {
        const std::string html = RichTextToHtml(row.runs);
        for (const auto& part : row.contains)
            EXPECT_NE(html.find(part), std::string::npos) << row.what << ": " << part << "\n"
                                                          << html;
        for (const auto& part : row.lacks)
            EXPECT_EQ(html.find(part), std::string::npos) << row.what << ": " << part;
    }
}

} // namespace
} // namespace zindra
