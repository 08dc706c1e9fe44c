#include "WindowFixture.h"

namespace zindra::test {
namespace {

using enum ControlId;

using EventRule = WindowFixture;

TEST_F(EventRule, SelectingTheSelectedSymbologyRunsNothing) {
    ShowMadeCode39(window);
    window.Select(Radio39);
    EXPECT_TRUE(window.MadeFlag);
    EXPECT_EQ(window.Text(BarTextOut), u"*CODE39W*");
}

TEST_F(EventRule, SelectingAnotherButtonClearsItsGroupAndRunsItsHandler) {
    window.Select(Radio93);
    for (ControlId id :
         {Radio25, Radio39, Radio128, RadioCodabar, RadioEAN, RadioPostNet, RadioUPC})
        EXPECT_FALSE(window.Checked(id));
    EXPECT_TRUE(window.Checked(Radio93));
    EXPECT_EQ(window.Text(BarCodeDesc), u"Bar code 93:");
}

TEST_F(EventRule, ACheckBoxSetToItsStateRunsNothing) {
    ShowMadeCode39(window);
    window.SetChecked(OptionalChecksum, false);
    EXPECT_TRUE(window.MadeFlag);
    window.SetChecked(OptionalChecksum, true);
    EXPECT_FALSE(window.MadeFlag);
}

TEST_F(EventRule, AHandlerCanTickACheckBox) {
    window.Select(Radio128);
    window.SetChecked(Option2, false);
    window.Select(GB3b4);
    EXPECT_TRUE(window.Checked(Option2));
    EXPECT_FALSE(window.Visible(Option2));
    EXPECT_EQ(window.Focus(), BarTextInput);
}

TEST_F(EventRule, LeavingThePointSizeBoxRunsTheFontHandler) {
    ShowMadeCode39(window);
    window.SetFocus(PointSize);
    window.SetText(PointSize, u"36"); // as a restore would: no handler
    EXPECT_EQ(window.BarCodeOut.Runs()[0].Style.Size, 24);
    window.SetFocus(Extra);
    EXPECT_EQ(window.BarCodeOut.Runs()[0].Style.Size, 36);
    EXPECT_EQ(window.Focus(), Extra); // where the user moved it
}

TEST_F(EventRule, ClickFollowsTheRuleOfTheControlsKind) {
    window.Click(OptionalChecksum);
    EXPECT_TRUE(window.Checked(OptionalChecksum));
    window.Click(OptionalChecksum);
    EXPECT_FALSE(window.Checked(OptionalChecksum));
    window.Click(RadioUPC);
    EXPECT_TRUE(window.Checked(RadioUPC));
}

TEST_F(EventRule, OtherPartsHandlersRunFromTheirControlsOnceSet) {
    window.Click(CopyButtonClick); // nothing plugged in yet: nothing happens
    int copies = 0;
    int tips = 0;
    window.Handlers.CopyButtonClickClick = [&] { ++copies; };
    window.Handlers.TipCheckBoxClick = [&] { ++tips; };
    window.Click(CopyButtonClick);
    window.SetChecked(TipCheckBox, false);
    window.SetChecked(TipCheckBox, false);
    EXPECT_EQ(copies, 1);
    EXPECT_EQ(tips, 1);
}

TEST_F(EventRule, StartUpRunsAtTheFirstActivationOnly) {
    int startUps = 0;
    window.Handlers.FormActivate = [&] { ++startUps; };
    window.Activate();
    window.Activate(); // back from a modal window
    EXPECT_EQ(startUps, 1);
}

TEST_F(EventRule, F1InEitherDataFieldOpensTheManual) {
    window.HelpFile = "/opt/zindra/share/zindra/help/index.html";
    window.SetFocus(Extra);
    window.KeyDown(Extra, VirtualKeyF1, {});
    window.KeyDown(BarTextInput, 'A', {});
    window.KeyDown(BarTextInput, VirtualKeyF1, {});
    EXPECT_EQ(platform.Calls,
              (std::vector<std::string>{"open /opt/zindra/share/zindra/help/index.html",
                                        "open /opt/zindra/share/zindra/help/index.html"}));
    EXPECT_EQ(window.Focus(), BarTextInput);
}

} // namespace
} // namespace zindra::test
