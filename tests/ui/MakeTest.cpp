#include "WindowFixture.h"
#include "tests/TestText.h"

namespace zindra::test {
namespace {

using enum ControlId;

using Make = WindowFixture;

TEST_F(Make, ShowsTheFontStringAndTheSampleInItsFace) {
    window.UserEdit(BarTextInput, u"CODE39");
    window.SetChecked(OptionalChecksum, true);
    window.SetFocus(Extra);
    window.Click(MakeButtonClick);
    EXPECT_EQ(window.Text(BarTextOut), u"*CODE39W*");
    EXPECT_EQ(window.BarCodeOut.Runs(),
              (std::vector<StyledRun>{{u"*CODE39W*  ", {"Tessary 39 d", 24}}}));
    EXPECT_TRUE(window.MadeFlag);
    EXPECT_EQ(window.Focus(), BarTextInput);
    EXPECT_TRUE(platform.Calls.empty());
}

TEST_F(Make, ReportsAnErrorInTheOutputFieldWithABeep) {
    ShowMadeCode39(window);
    window.Click(MakeButtonClick);
    EXPECT_EQ(window.Text(BarTextOut), u"Error, no data to bar code");
    EXPECT_EQ(window.BarCodeOut.Text(), u"");
    EXPECT_FALSE(window.MadeFlag);
    EXPECT_EQ(platform.Calls, std::vector<std::string>{"beep"});
}

TEST_F(Make, ReportsAPointSizeThatIsNoNumberAsTheEngineDoes) {
    window.UserEdit(BarTextInput, u"CODE39");
    window.SetText(PointSize, u"big");
    window.Click(MakeButtonClick);
    EXPECT_EQ(window.Text(BarTextOut),
              u"Error, the point size must be a whole number from 1 to 1638");
    EXPECT_EQ(window.BarCodeOut.Text(), u"");
    EXPECT_FALSE(window.MadeFlag);
}

// Data that cleaning leaves empty is refused as any error is, not made as a
// symbol of start and stop characters alone.
TEST_F(Make, RefusesDataThatLeavesNothingToEncode) {
    const std::pair<ControlId, std::u16string_view> rows[] = {
        {Radio25, u"N/A"},    // no digit
        {Radio93, u"\u00ab"}, // Code 93 drops 171
    };
    for (const auto& [radio, data] : rows) {
        ShowMadeCode39(window);
        window.Select(radio);
        window.UserEdit(BarTextInput, std::u16string(data));
        window.Click(MakeButtonClick);
        EXPECT_EQ(window.Text(BarTextOut).rfind(u"Error", 0), 0u) << test::Show(data);
        EXPECT_EQ(window.BarCodeOut.Text(), u"") << test::Show(data);
        EXPECT_FALSE(window.MadeFlag) << test::Show(data);
    }
}

// SSCC-18 with human-readable text: the digits follow on a second line in
// Arial at 24 * 7 / 24 = 7 points, and the line is kept for the sample page.
TEST_F(Make, SetsTheSsccHumanReadableLineInItsOwnFont) {
    window.Select(Radio128);
    window.Select(GB3b5);
    window.Select(Type2);
    window.UserEdit(BarTextInput, u"00614141123456789");
    window.Click(MakeButtonClick);
    const std::u16string fontString = U("}\u00CE!!^JJ-CYo\u00C2?~");
    EXPECT_EQ(window.Text(BarTextOut), fontString);
    EXPECT_EQ(window.BarCodeOut.Runs(),
              (std::vector<StyledRun>{{fontString + u"  ", {"Tessary Code 128C d", 24}},
                                      {u"\n (00) 00614141123456789 0", {"Arial", 7}}}));
    EXPECT_EQ(window.HumanText, u" (00) 00614141123456789 0");

    window.Select(Radio39);
    window.UserEdit(BarTextInput, u"CODE39");
    window.Click(MakeButtonClick);
    EXPECT_EQ(window.HumanText, u" (00) 00614141123456789 0"); // other symbologies keep it

    window.Select(Radio128);
    window.Select(GB3b3);
    window.UserEdit(BarTextInput, u"1234");
    window.Click(MakeButtonClick);
    EXPECT_TRUE(window.MadeFlag);
    EXPECT_EQ(window.HumanText, u""); // subset C clears it
}

// Auto and GS1-128 are made in the Code 128ABC face; GS1-128's element strings
// follow as SSCC-18's digits do, and its size line says whether a logistics label takes it.
TEST_F(Make, AutoAndGs1ComeInTheFaceThatHoldsEverySubset) {
    window.Select(Radio128);
    window.Select(GB3b6);
    window.UserEdit(BarTextInput, u"Hello 1234");
    window.Click(MakeButtonClick);
    EXPECT_EQ(window.ReadOptions().VariantChoice, 6);
    const std::u16string autoString = U("\u00CAIfmmp!\u00C5-CG\u00CC");
    EXPECT_EQ(window.Text(BarTextOut), autoString);
    EXPECT_EQ(window.BarCodeOut.Runs(),
              (std::vector<StyledRun>{{autoString + u"  ", {"Tessary Code 128ABC d", 24}}}));

    window.Select(GB3b7);
    window.Select(Type2);
    window.UserEdit(BarTextInput, u"(01)09501101530003(10)AB-123");
    window.Click(MakeButtonClick);
    EXPECT_EQ(window.ReadOptions().VariantChoice, 7);
    const std::u16string gs1String = U("\u00CB\u00C8\"*S,\"V!$+\u00C6BC.234d\u00CC");
    EXPECT_EQ(window.Text(BarTextOut), gs1String);
    EXPECT_EQ(window.BarCodeOut.Runs(),
              (std::vector<StyledRun>{{gs1String + u"  ", {"Tessary Code 128ABC d", 24}},
                                      {u"\n(01)09501101530003(10)AB-123", {"Arial", 7}}}));
    EXPECT_EQ(window.HumanText, u"(01)09501101530003(10)AB-123");
    EXPECT_NE(window.SizeAdviceText().find(u"GS1 logistics labels"), std::u16string::npos);

    window.UserEdit(BarTextInput, u"(10)AB-123");
    window.Click(MakeButtonClick);
    const std::u16string line = window.SizeAdviceText();
    EXPECT_TRUE(line.ends_with(u"GS1 logistics labels; AI (10): the label needs (01) or (02) or "
                               u"(03) or (8006) or (8026) too"))
        << test::Show(line);

    window.UserEdit(BarTextInput, u"(01)09501101530004");
    window.Click(MakeButtonClick);
    EXPECT_EQ(window.Text(BarTextOut), u"AI (01): the check digit should be 3");
    EXPECT_FALSE(window.MadeFlag);
}

TEST_F(Make, KeepsTheCode93OutputSizeForLaterBarCodes) {
    EXPECT_FALSE(window.BarTextOutSize.has_value());
    window.Select(Radio93);
    window.SetChecked(DispSums, true);
    window.UserEdit(BarTextInput, u"CODE93");
    window.Click(MakeButtonClick);
    EXPECT_EQ(window.BarTextOutSize, 8);
    window.Select(Radio39);
    window.Click(MakeButtonClick);
    EXPECT_TRUE(window.MadeFlag);
    EXPECT_EQ(window.BarTextOutSize, 8);
}

TEST_F(Make, BooklandWritesTheCleanedDigitsBackWhateverTheOutcome) {
    window.Select(RadioEAN);
    window.Select(GB3b3);
    window.UserEdit(BarTextInput, u"0-306-40615-2");
    window.Click(MakeButtonClick);
    EXPECT_EQ(window.Text(BarTextInput), u"0306406152");
    EXPECT_EQ(window.Text(BarTextOut), u"*HYQDQG|406157] /j.q.a.q.a");

    window.UserEdit(BarTextInput, u"977-1-234-56789-7");
    window.Click(MakeButtonClick);
    EXPECT_EQ(window.Text(BarTextInput), u"9771234567897");
    EXPECT_EQ(window.Text(BarTextOut), u"13 digit ISBN numbers must start with 978 or 979");
}

} // namespace
} // namespace zindra::test
