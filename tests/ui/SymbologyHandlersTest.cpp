#include "WindowFixture.h"

#include <vector>

namespace zindra::test {
namespace {

using enum ControlId;

struct LookRow {
    ControlId button;
    ControlId before; // the symbology selected first, so the handler has something to undo
    std::vector<ControlId> shown;
    std::vector<ControlId> hidden;
    std::u16string_view pointSize;
    std::u16string_view description;
    std::u16string_view description2;
    std::u16string_view dataLabel;
};

constexpr std::u16string_view General = u"Enter the data to be converted into a bar code:";

// With the start-up choices: size D, Standard, the first variant button.
const LookRow LookRows[] = {
    {Radio25,
     RadioPostNet,
     {GroupBoxSize, FontD, FontE, FontF, GroupBox2, ITF14, OptionalChecksum, Option2, GroupBox4},
     {FontA, GroupBox3, DispSums, Insert, ComboBox1, Extra, ExtraLabel},
     u"24",
     u"Bar code 2/5 Interleaved:",
     u"High density numeric data only",
     General},
    {Radio39,
     Radio128,
     {GroupBoxSize, FontA, FontD, FontE, FontF, GroupBox2, OptionalChecksum, Option2, GroupBox4},
     {ITF14, GroupBox3, DispSums, Insert, ComboBox1, Extra, ExtraLabel},
     u"24",
     u"Bar code 3/9:",
     u"Alpha numeric data, A-Z, 0-9 plus extras",
     General},
    {Radio93,
     RadioPostNet,
     {GroupBoxSize, FontA, FontD, FontE, FontF, GroupBox2, DispSums, GroupBox4},
     {ITF14, GroupBox3, OptionalChecksum, Option2, Insert, ComboBox1, Extra, ExtraLabel},
     u"24",
     u"Bar code 93:",
     u"Alpha numeric data, A-Z, 0-9 with checksums",
     General},
    {Radio128,
     RadioPostNet,
     {GroupBoxSize, FontA, FontD, FontE, FontF, GroupBox2, GroupBox3, GB3b4, GB3b5,
      OptionalChecksum, Option2, DispSums, Insert, ComboBox1, GroupBox4},
     {ITF14, Extra, ExtraLabel},
     u"24",
     u"Bar code 128:",
     u"Complete ASCII encoding with checksum",
     General},
    {RadioCodabar,
     Radio128,
     {GroupBoxSize, FontA, FontD, FontE, FontF, GroupBox2, GroupBox4},
     {ITF14, GroupBox3, OptionalChecksum, Option2, DispSums, Insert, ComboBox1, Extra, ExtraLabel},
     u"24",
     u"Codabar:s",
     u"Numeric data 0-9 plus extras",
     General},
    {RadioEAN,
     Radio128,
     {GroupBoxSize, FontA, FontD, FontE, GroupBox3, GroupBox4},
     {FontF, GroupBox2, ITF14, GB3b4, GB3b5, OptionalChecksum, Option2, DispSums, Insert, ComboBox1,
      Extra, ExtraLabel},
     u"24",
     u"EAN bar code:",
     u"Fixed length numeric data only with checksum",
     General},
    {RadioPostNet,
     Radio128,
     {},
     {GroupBoxSize, GroupBox2, ITF14, GroupBox3, OptionalChecksum, Option2, DispSums, Insert,
      ComboBox1, Extra, ExtraLabel, GroupBox4},
     u"18",
     u"PostNet bar code:",
     u"Fixed length numeric data with checksum",
     General},
    {RadioUPC,
     Radio128,
     {GroupBoxSize, FontA, FontD, FontE, GroupBox2, GroupBox3, GroupBox4},
     {FontF, ITF14, GB3b4, GB3b5, OptionalChecksum, Option2, DispSums, Insert, ComboBox1, Extra,
      ExtraLabel},
     u"48",
     u"UPC bar code:",
     u"Fixed length numeric data only with checksum",
     u"Enter the UPC number here:"},
};

using SymbologyHandlers = WindowFixture;

TEST(SymbologyHandler, ShowsOnlyWhatTheSymbologyOffers) {
    for (const LookRow& row : LookRows) {
        SCOPED_TRACE(SpecOf(row.button).Name);
        StartedWindow started;
        MainWindowModel& window = started.window;
        window.Select(row.before);
        window.SetText(PointSize, u"30");
        ShowMadeCode39(window);
        window.Select(row.button);
        for (ControlId id : row.shown)
            EXPECT_TRUE(window.Visible(id)) << SpecOf(id).Name;
        for (ControlId id : row.hidden)
            EXPECT_FALSE(window.Visible(id)) << SpecOf(id).Name;
        EXPECT_EQ(window.Text(PointSize), row.pointSize);
        EXPECT_EQ(window.Text(BarCodeDesc), row.description);
        EXPECT_EQ(window.Text(BarCodeDesc2), row.description2);
        EXPECT_EQ(window.Text(StaticText4), row.dataLabel);
        EXPECT_EQ(window.Text(BarTextOut), u"");
        EXPECT_EQ(window.BarCodeOut.Text(), u"");
        EXPECT_FALSE(window.MadeFlag);
        EXPECT_EQ(window.Focus(), BarTextInput);
    }
}

TEST_F(SymbologyHandlers, Code128LabelsItsOptionsAndSubsets) {
    window.Select(Radio128);
    EXPECT_EQ(window.Text(OptionalChecksum), u"No quotes?");
    EXPECT_EQ(window.Get(OptionalChecksum).Hint,
              u"Convert quote characters to alternate character to avoid Word/Excel problems");
    EXPECT_EQ(window.Text(Option2), u"UCC/EAN?");
    EXPECT_EQ(window.Get(Option2).Hint, u"Add UCC/EAN encoding to any subset?");
    EXPECT_EQ(window.Text(GroupBox3), u" Subset ");
    EXPECT_EQ(window.Text(GB3b1), u"A");
    EXPECT_EQ(window.Get(GB3b3).Hint, u"Subset C- high density numeric data");
}

TEST_F(SymbologyHandlers, UpcRenamesTheFontTypesAndEanLeavesTheirHints) {
    window.Select(Type2);
    window.Select(RadioUPC);
    EXPECT_TRUE(window.Checked(Type1)); // UPC-A whatever was selected
    EXPECT_EQ(window.Text(Type1), u"UPC-A");
    EXPECT_EQ(window.Get(Type2).Hint, u"Special UPC-E");
    EXPECT_EQ(window.Get(FontA).Width, 35);
    window.Select(RadioEAN);
    EXPECT_EQ(window.Text(Type1), u"Standard");
    EXPECT_EQ(window.Get(Type1).Hint, u"Standard UPC-A");
    window.Select(Radio39);
    EXPECT_EQ(window.Get(FontA).Width, 30);
}

// The size fallback runs the font handler after Select25's own captions, so
// its "Bearer Bars?" wins over the handler's "Bearer bars?".
TEST_F(SymbologyHandlers, Interleaved25FromSizeAEndsWithTheFontHandlersCaptions) {
    window.Select(FontA);
    window.Select(Radio25);
    EXPECT_TRUE(window.Checked(FontD));
    EXPECT_FALSE(window.Visible(FontA));
    EXPECT_EQ(window.Text(Option2), u"Bearer Bars?");
    window.Select(Radio39);
    window.Select(Radio25); // no fallback this time
    EXPECT_EQ(window.Text(Option2), u"Bearer bars?");
}

// Every other symbology hides ITF14; a hidden ITF-14 must not stay the font
// type, so Standard is selected as a click would, and 2/5 comes back plain.
TEST(SymbologyHandler, HidingASelectedItf14SelectsStandard) {
    for (ControlId button :
         {Radio39, Radio93, Radio128, RadioCodabar, RadioEAN, RadioPostNet, RadioUPC}) {
        SCOPED_TRACE(std::string(SpecOf(button).Name));
        StartedWindow started;
        MainWindowModel& window = started.window;
        window.Select(Radio25);
        window.Select(ITF14);
        window.Select(button);
        EXPECT_TRUE(window.Checked(Type1));
        EXPECT_FALSE(window.Checked(ITF14));
        EXPECT_EQ(window.LastFontType, FontType::Standard); // FontAClick ran
        EXPECT_EQ(window.ReadOptions().fontType, FontType::Standard);
        window.Select(Radio25);
        EXPECT_EQ(window.Text(Option2), u"Bearer bars?");
        EXPECT_TRUE(window.Visible(OptionalChecksum));
    }
}

TEST_F(SymbologyHandlers, EanAndUpcHaveNoSizeF) {
    for (ControlId button : {RadioEAN, RadioUPC}) {
        window.Select(Radio39);
        window.Select(FontF);
        window.Select(button);
        EXPECT_TRUE(window.Checked(FontD));
        EXPECT_FALSE(window.Visible(FontF));
    }
}

struct SccRow {
    ControlId button;  // selected after Code 128 with the SCC variant
    ControlId scc;     // GB3b4 (SCC-14) or GB3b5 (SSCC-18)
    ControlId checked; // the variant button checked afterwards
    std::vector<ControlId> hidden;
};

// EAN and UPC have no SCC variant and fall back to their first; Code 128
// keeps it, and with it the subset-only controls stay hidden.
const SccRow SccRows[] = {
    {RadioEAN, GB3b5, GB3b1, {GB3b4, GB3b5, Insert, ComboBox1, Option2, DispSums}},
    {RadioUPC, GB3b5, GB3b1, {GB3b4, GB3b5, Insert, ComboBox1, Option2, DispSums}},
    {RadioEAN, GB3b4, GB3b1, {GB3b4, GB3b5, Insert, ComboBox1, Option2, DispSums}},
    {Radio128, GB3b4, GB3b4, {Insert, ComboBox1, Option2, DispSums}}, // by way of Code 39
    {Radio128, GB3b5, GB3b5, {Insert, ComboBox1, Option2, DispSums}},
};

TEST(SymbologyHandler, SccFallsBackOrKeepsTheSubsetControlsHidden) {
    for (const SccRow& row : SccRows) {
        SCOPED_TRACE(std::string(SpecOf(row.button).Name) + " / " +
                     std::string(SpecOf(row.scc).Name));
        StartedWindow started;
        MainWindowModel& window = started.window;
        window.Select(Radio128);
        window.Select(row.scc);
        if (row.button == Radio128) window.Select(Radio39);
        window.Select(row.button);
        EXPECT_TRUE(window.Checked(row.checked));
        for (ControlId id : row.hidden)
            EXPECT_FALSE(window.Visible(id)) << SpecOf(id).Name;
        if (row.button != Radio128) continue;
        window.Select(GB3b2);
        for (ControlId id : row.hidden)
            EXPECT_TRUE(window.Visible(id)) << SpecOf(id).Name;
    }
}

TEST_F(SymbologyHandlers, UpcTakesBackTheBooklandPriceAndShowsItsSupplement) {
    window.Select(RadioEAN);
    window.Select(GB3b3);
    EXPECT_EQ(window.Text(Extra), u"90000");
    window.Select(RadioUPC);
    EXPECT_EQ(window.Text(Extra), u"");
    EXPECT_TRUE(window.Visible(Extra));
    EXPECT_EQ(window.Text(ExtraLabel), u"Supplemental code:");
    EXPECT_EQ(window.Get(Extra).Hint, u"Type in the supplemental data here");
}

TEST_F(SymbologyHandlers, PostNetHidesTheFontChoicesAndKeepsItsLetters) {
    window.Select(FontB);
    window.Select(RadioPostNet);
    EXPECT_TRUE(window.Checked(FontB));
    EXPECT_TRUE(window.Visible(FontA)); // left as Code 39 had it, in a hidden group
}

} // namespace
} // namespace zindra::test
