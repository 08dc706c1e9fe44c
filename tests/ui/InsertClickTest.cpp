#include "WindowFixture.h"
#include "tests/TestText.h"

namespace zindra::test {
namespace {

using enum ControlId;

struct InsertRow {
    ControlId subset;
    std::u16string_view item;
    std::string dataAfter; // from "AB"; UTF-8 with \u escapes
    std::u16string_view refusal;
};

constexpr std::u16string_view NotA = u"Error, not a legal character in subset A";
constexpr std::u16string_view NotB = u"Error, not a legal character in subset B";
constexpr std::u16string_view NotC = u"Error, not a legal character in subset C";

const InsertRow InsertRows[] = {
    {GB3b2, u"FNC1", "AB\u00CD", {}},
    {GB3b1, u"FNC1", "AB\u00CD", {}},
    {GB3b1, u"FNC4", "AB\u00CC", {}}, // FNC4 is another character in each subset
    {GB3b2, u"FNC4", "AB\u00CB", {}},
    {GB3b2, u"CodeA", "AB\u00CC", {}},
    {GB3b1, u"CodeB", "AB\u00CB", {}},
    {GB3b1, u"CodeC", "AB\u00CA", {}},
    {GB3b1, u"Null", "AB`", {}},
    {GB3b1, u"Tab", "ABi", {}},
    // a control character is its ASCII code + 96: BEL 7, LF 10, FF 12, CR 13
    {GB3b1, u"Bell", "ABg", {}},
    {GB3b1, u"Line Feed", "ABj", {}},
    {GB3b1, u"Form Feed", "ABl", {}},
    {GB3b1, u"Carriage Return", "ABm", {}},
    {GB3b1, u"Escape", "AB{", {}}, // ESC is 27 + 96, the value the encoder reads as ESC
    {GB3b1, u"Ctrl-X", "ABx", {}},
    {GB3b1, u"Ctrl-Q", "ABq", {}},
    {GB3b1, u"Ctrl-G", "AB", {}}, // no control letter G: nothing appended
    {GB3b1, u"Ctrl-x", "AB", {}}, // a lower-case letter appends nothing
    {GB3b1, u"Ctrl-", "AB", {}},  // too short to hold a letter
    {GB3b1, u"C", "AB", {}},
    {GB3b1, u"", "AB", {}},
    {GB3b1, u"CodeA", "AB", NotA}, // "Co" is not "Ct"
    {GB3b1, u"fnc1", "AB", NotA},  // case-sensitive
    {GB3b2, u"Tab", "AB", NotB},
    {GB3b2, u"Ctrl-A", "AB", NotB},
    {GB3b2, u"CodeB", "AB", NotB},
    {GB3b3, u"CodeA", "AB", u"Error, this program can't switch to code A"},
    {GB3b3, u"CodeB", "AB", u"Error, this program can't switch to code B"},
    {GB3b3, u"FNC1", "AB", NotC}, // subset C carries digits only
    {GB3b3, u"CodeC", "AB", NotC},
    // Auto reads the data as text: the controls are themselves
    {GB3b6, u"FNC1", "AB\u00CD", {}},
    {GB3b6, u"FNC4", "AB\u00CC", {}},
    {GB3b6, u"Null", std::string("AB\0", 3), {}},
    {GB3b6, u"Tab", "AB\t", {}},
    {GB3b6, u"Escape", "AB\x1B", {}},
    {GB3b6, u"Ctrl-A", "AB\x01", {}},
    {GB3b6, u"Ctrl-X", "AB\x18", {}},
    {GB3b6, u"Ctrl-G", "AB", {}},
    {GB3b6, u"CodeC", "AB", u"Error, Auto chooses the subsets itself"},
    {GB3b6, u"fnc1", "AB", u"Error, not a special character of Code 128"},
};

TEST(InsertClick, AppendsTheSubsetsCharacterOrRefuses) {
    for (const InsertRow& row : InsertRows) {
        SCOPED_TRACE(std::string(SpecOf(row.subset).Name) + " " + Show(row.item));
        StartedWindow started;
        MainWindowModel& window = started.window;
        window.Select(Radio128);
        window.Select(row.subset);
        window.SetText(BarTextInput, u"AB");
        window.SetSelection(BarTextInput, 0, 1);
        window.SetText(ComboBox1, row.item);
        window.SetFocus(Extra);
        window.SetText(BarTextOut, u"*OLD*");
        window.InsertClick();

        EXPECT_EQ(window.Text(BarTextInput), U(row.dataAfter));
        EXPECT_EQ(window.BarCodeOut.Text(), row.refusal);
        EXPECT_EQ(window.BarCodeOut.WholeFont(), (CharStyle{"Arial", 12}));
        EXPECT_EQ(window.Text(BarTextOut), u"");
        EXPECT_EQ(window.Focus(), BarTextInput);
        EXPECT_EQ(started.platform.Calls, row.refusal.empty() ? std::vector<std::string>{}
                                                              : std::vector<std::string>{"beep"});
        if (row.refusal.empty()) {
            const int end = static_cast<int>(window.Text(BarTextInput).size());
            EXPECT_EQ(window.Get(BarTextInput).SelStart, end);
            EXPECT_EQ(window.Get(BarTextInput).SelLength, 0);
        }
    }
}

TEST(InsertClick, UnderSccAndGs1OnlyClearsTheResults) {
    for (ControlId variant : {GB3b4, GB3b7}) {
        SCOPED_TRACE(SpecOf(variant).Name);
        StartedWindow started;
        MainWindowModel& window = started.window;
        window.Select(Radio128);
        window.Select(variant);
        ShowMade(window, u"}~", u"}~  ");
        window.SetText(BarTextInput, u"123");
        window.SetText(ComboBox1, u"FNC1");
        window.InsertClick();
        EXPECT_EQ(window.Text(BarTextInput), u"123");
        EXPECT_EQ(window.BarCodeOut.Text(), u"");
        EXPECT_EQ(window.Text(BarTextOut), u"");
        EXPECT_EQ(window.BarCodeOut.WholeFont(), (CharStyle{"Arial", 12}));
        EXPECT_TRUE(started.platform.Calls.empty());
    }
}

} // namespace
} // namespace zindra::test
