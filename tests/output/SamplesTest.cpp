#include "tests/TestText.h"
#include "tests/output/OutputFixture.h"

namespace zindra {
namespace {

using Calls = std::vector<std::string>;

class Samples : public test::OutputFixture {};

TEST_F(Samples, RefusedBeforeMake) {
    window.Click(ControlId::PrintButtonClick);
    EXPECT_EQ(test::Show(window.Text(ControlId::BarTextOut)),
              "You must click \"Make a bar code\" before printing");
    EXPECT_EQ(platform.Calls, (Calls{"beep"}));
}

TEST_F(Samples, PrintsWhatMakeLeft) {
    window.SetChecked(ControlId::OptionalChecksum, true);
    Make(u"CODE39");
    window.Click(ControlId::PrintButtonClick);
    ASSERT_EQ(platform.Calls, (Calls{"print"}));
    const SamplePageInput& page = output.Printed.back();
    EXPECT_EQ(page.Choices.symbology, Symbology::Code39);
    EXPECT_TRUE(page.Choices.OptionalChecksum);
    EXPECT_EQ(page.Choices.DataText, u"CODE39");
    EXPECT_EQ(page.FontString, u"*CODE39W*");
    EXPECT_EQ(page.FaceName, "Tessary 39 d");
    EXPECT_TRUE(window.MadeFlag);
}

TEST_F(Samples, DataIsWhatMakeRead) {
    window.SetChecked(ControlId::OptionalChecksum, true);
    Make(u"CODE39");
    window.SetText(ControlId::BarTextInput, u"CODE39XYZ");
    window.Click(ControlId::PrintButtonClick);
    ASSERT_EQ(output.Printed.size(), 1u);
    EXPECT_EQ(output.Printed[0].Choices.DataText, u"CODE39");
    EXPECT_EQ(output.Printed[0].FontString, u"*CODE39W*");
}

TEST_F(Samples, Code93SumsLeaveTheBarCodeWhole) {
    window.Select(ControlId::Radio93);
    window.SetChecked(ControlId::DispSums, true);
    Make(u"TEST93");
    window.Click(ControlId::PrintButtonClick);
    ASSERT_EQ(output.Printed.size(), 1u);
    const SamplePageInput& page = output.Printed[0];
    // The whole symbol, stop character included, as without the sums.
    EXPECT_EQ(page.FontString.back(), u')');
    EXPECT_TRUE(page.SumsText.starts_with(u"CSum: ")) << test::Show(page.SumsText);
}

TEST_F(Samples, Scc14PageGetsTheKeptHumanReadableLine) {
    window.Select(ControlId::Radio128);
    window.Select(ControlId::GB3b4);
    window.Select(ControlId::Type2);
    Make(u"1061414100001");
    window.Click(ControlId::PrintButtonClick);
    ASSERT_EQ(output.Printed.size(), 1u);
    EXPECT_EQ(output.Printed[0].HumanText, u" (01) 1 06 14141 00001 9");
    EXPECT_EQ(output.Printed[0].FaceName, "Tessary Code 128C d");
    EXPECT_EQ(output.Printed[0].Choices.VariantChoice, 4);
}

} // namespace
} // namespace zindra
