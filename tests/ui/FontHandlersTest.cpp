#include "WindowFixture.h"
#include "tests/TestText.h"

#include <vector>

namespace zindra::test {
namespace {

using enum ControlId;

using FontHandlers = WindowFixture;

std::vector<StyledRun> Runs(std::vector<std::pair<std::u16string, CharStyle>> runs) {
    std::vector<StyledRun> out;
    for (auto& [text, style] : runs)
        out.push_back({text, style});
    return out;
}

struct RestyleRow {
    ControlId symbology;
    bool option2;
    std::u16string_view fontString, sample, sums; // as Make left them
    ControlId choice;                             // the font button then clicked
    std::vector<StyledRun> runs;
    FontType lastFontType;
};

// A font choice that keeps the font string restyles the sample and keeps the
// bar code made.
const RestyleRow RestyleRows[] = {
    // only the font string: the padding keeps the size letter's standard face
    {Radio39, false, u"*CODE39W*", u"*CODE39W*  ", u"", Type2,
     Runs({{u"*CODE39W*", {"Tessary 39 d HR", 24}}, {u"  ", {"Tessary 39 d", 24}}}),
     FontType::HumanReadable},
    // The sums line shows only in BarTextOut; the sample's bar code must still
    // follow the size letter.
    {Radio93, false, u"(CODE+z", u"(CODE+z)  ", u")   sums", FontB,
     Runs({{u"(CODE+z)", {"Tessary 93 b", 24}}, {u"  ", {"Tessary 93 d", 24}}}),
     FontType::Standard},
    // bearer bars only change the face
    {Radio25, true, u"(!!)", u"(!!)", u"", FontB, Runs({{u"(!!)", {"Tessary Bearer 25i b", 24}}}),
     FontType::Standard},
};

TEST(FontHandler, RestylesTheMadeBarCode) {
    for (const RestyleRow& row : RestyleRows) {
        SCOPED_TRACE(std::string(SpecOf(row.symbology).Name) + " / " +
                     std::string(SpecOf(row.choice).Name));
        StartedWindow started;
        MainWindowModel& window = started.window;
        window.Select(row.symbology);
        ShowMade(window, std::u16string(row.fontString), std::u16string(row.sample),
                 std::u16string(row.sums));
        window.SetChecked(Option2, row.option2);
        window.Select(row.choice);
        EXPECT_TRUE(window.MadeFlag);
        EXPECT_EQ(window.BarCodeOut.Runs(), row.runs);
        EXPECT_EQ(window.LastFontType, row.lastFontType);
    }
}

TEST_F(FontHandlers, Itf14InvalidatesTheBarCodeButItsSizesDoNot) {
    window.Select(Radio25);
    ShowMade(window, u"(!!)", u"(!!)");
    window.Select(ITF14);
    EXPECT_FALSE(window.MadeFlag);
    EXPECT_EQ(window.BarCodeOut.Text(), u"");
    EXPECT_EQ(window.Text(Option2), u"Closed Box?");
    EXPECT_FALSE(window.Visible(OptionalChecksum));

    ShowMade(window, u"(!!)", u"(!!)");
    window.Select(FontB);
    EXPECT_TRUE(window.MadeFlag);
    EXPECT_EQ(window.BarCodeOut.Runs(), Runs({{u"(!!)", {"Tessary ITF14 b", 24}}}));
}

TEST_F(FontHandlers, AnyFontChangeUnderCode128AsksForANewMake) {
    window.Select(Radio128);
    ShowMade(window, u"{ABC~", u"{ABC~  ");
    window.Select(FontE);
    EXPECT_FALSE(window.MadeFlag);
    EXPECT_EQ(window.Text(BarTextOut), u"");
    EXPECT_EQ(window.BarCodeOut.Text(), u"");
}

TEST_F(FontHandlers, PointSizeTypingActsOnceTheSizeIsPlausible) {
    ShowMadeCode39(window);
    window.SetFocus(PointSize);
    window.UserEdit(PointSize, u"3");
    EXPECT_EQ(window.Focus(), PointSize);
    EXPECT_EQ(window.BarCodeOut.Runs()[0].Style.Size, 24);
    window.UserEdit(PointSize, u"36");
    EXPECT_EQ(window.BarCodeOut.Runs()[0].Style.Size, 36);
    // The focus stays for a third digit: "360" must not end up in the data.
    EXPECT_EQ(window.Focus(), PointSize);
    window.UserEdit(PointSize, u"360");
    EXPECT_EQ(window.BarCodeOut.Runs()[0].Style.Size, 360);
    EXPECT_EQ(window.Focus(), PointSize);
}

struct PointSizeRow {
    std::u16string_view text;
    int typedSize;  // the sample's size once it is typed digit by digit
    int sampleSize; // after leaving the box
    std::vector<std::string> calls;
};

// While typing nothing is reported; the calls are those of leaving the box
// (by Tab to the Make button), where an unreadable size is reported once.
const PointSizeRow PointSizeRows[] = {
    {u"12", 24, 12, {}}, // below 18 typing ignores it; leaving the box applies it
    {u"17", 24, 17, {}},
    {u"18", 18, 18, {}},
    {u"018", 18, 18, {}},
    // one character: no message while typing, one on leaving
    {u"x", 24, 24, {"message 'x' is not a valid point size: type a whole number from 1 to 1638"}},
    {u"1638", 1638, 1638, {}},
    {u"abc",
     24,
     24,
     {"message 'abc' is not a valid point size: type a whole number from 1 to 1638"}},
    // "200" on the way is applied; "2000" is too large and reported on leaving
    {u"2000",
     200,
     200,
     {"message '2000' is not a valid point size: type a whole number from 1 to 1638"}},
    {u" 24",
     24,
     24,
     {"message ' 24' is not a valid point size: type a whole number from 1 to 1638"}},
};

TEST(PointSizeChange, AcceptsWholeNumbersFrom18AndReportsTheRestOnLeaving) {
    for (const PointSizeRow& row : PointSizeRows) {
        SCOPED_TRACE(Show(row.text));
        for (bool made : {true, false}) {
            StartedWindow started;
            if (made) ShowMadeCode39(started.window);
            started.window.SetFocus(PointSize);
            for (std::size_t typed = 1; typed <= row.text.size(); ++typed)
                started.window.UserEdit(PointSize, row.text.substr(0, typed));
            EXPECT_TRUE(started.platform.Calls.empty());
            EXPECT_EQ(started.window.Focus(), PointSize);
            if (made) {
                EXPECT_EQ(started.window.BarCodeOut.Runs()[0].Style.Size, row.typedSize);
            }
            started.window.SetFocus(MakeButtonClick);
            EXPECT_EQ(started.platform.Calls, row.calls);
            EXPECT_EQ(started.window.Focus(), MakeButtonClick);
            EXPECT_EQ(started.window.MadeFlag.has_value(), made);
            if (made) {
                EXPECT_EQ(started.window.BarCodeOut.Runs()[0].Style.Size, row.sampleSize);
            }
        }
    }
}

TEST_F(FontHandlers, PointSizeEditWithSumsTickedEmptiesTheResultsEvenWhereTheyAreHidden) {
    window.SetChecked(DispSums, true);
    ShowMadeCode39(window);
    window.UserEdit(PointSize, u"30");
    EXPECT_FALSE(window.MadeFlag);
    EXPECT_EQ(window.Text(BarTextOut), u"");
    EXPECT_EQ(window.BarCodeOut.Text(), u"");
}

// The conversion error stops the font handler after the face was set; the
// recorded font type stays behind.
TEST_F(FontHandlers, AnUnreadablePointSizeStopsTheFontHandlerWhereItWasRead) {
    ShowMadeCode39(window);
    window.SetText(PointSize, u"2x");
    window.Select(Type2);
    EXPECT_EQ(platform.Calls.size(), 1u);
    EXPECT_EQ(window.BarCodeOut.Runs()[0].Style, (CharStyle{"Tessary 39 d HR", 24}));
    EXPECT_EQ(window.LastFontType, FontType::Standard);
}

// Nested inside a symbology handler, the error stops only the font handler:
// the window is still relabelled for the new symbology.
TEST_F(FontHandlers, AnUnreadablePointSizeDoesNotLeaveASymbologyHalfDone) {
    window.Select(Type2);
    ShowMadeCode39(window);
    window.SetText(PointSize, u"2x");
    window.Select(RadioUPC);
    EXPECT_EQ(platform.Calls.size(), 1u);
    EXPECT_EQ(window.Text(BarCodeDesc), u"UPC bar code:");
    EXPECT_EQ(window.Text(PointSize), u"48");
    EXPECT_FALSE(window.MadeFlag);
}

} // namespace
} // namespace zindra::test
