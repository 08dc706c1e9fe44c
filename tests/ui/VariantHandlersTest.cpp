#include "WindowFixture.h"

namespace zindra::test {
namespace {

using enum ControlId;

using VariantHandlers = WindowFixture;

TEST_F(VariantHandlers, BooklandOffersTheDefaultPriceOnlyForAnEmptyField) {
    window.Select(RadioEAN);
    window.Select(GB3b3);
    EXPECT_EQ(window.Text(Extra), u"90000");
    EXPECT_EQ(window.Text(ExtraLabel), u"Book price:");
    EXPECT_EQ(window.Get(Extra).Hint, u"Type in the book price data here");
    EXPECT_EQ(window.Text(StaticText4), u"Enter the ISBN number:");
    EXPECT_TRUE(window.Visible(Extra));

    window.Select(GB3b1);
    window.SetText(Extra, u"51995");
    window.Select(GB3b3);
    EXPECT_EQ(window.Text(Extra), u"51995");
}

TEST_F(VariantHandlers, UpcSupplementsShowTheExtraFieldAndTheDataLabelFollowsTheLastHandler) {
    window.Select(RadioUPC);
    window.Select(GB3b2);
    EXPECT_TRUE(window.Visible(Extra));
    EXPECT_TRUE(window.Visible(ExtraLabel));
    EXPECT_EQ(window.Text(ExtraLabel), u"Supplemental code:");
    EXPECT_EQ(window.Text(StaticText4), u"Enter the UPC number here:");

    window.SetText(Extra, u"90000");
    window.Select(GB3b3);
    EXPECT_EQ(window.Text(Extra), u"");

    window.Select(GB3b1);
    EXPECT_FALSE(window.Visible(Extra));
    EXPECT_FALSE(window.Visible(ExtraLabel));
    EXPECT_EQ(window.Text(StaticText4), u"Enter the data to be converted into a bar code:");
}

TEST_F(VariantHandlers, SccTicksUccEanAndLeavesTheSumsAlone) {
    window.Select(Radio128);
    window.SetChecked(DispSums, true);
    window.Select(GB3b5);
    EXPECT_TRUE(window.Checked(Option2));
    for (ControlId id : {Insert, ComboBox1, Option2})
        EXPECT_FALSE(window.Visible(id));
    EXPECT_TRUE(window.Visible(DispSums));
    EXPECT_TRUE(window.Checked(DispSums));
}

// A saved SCC choice restored while Code 39 is the symbology must not turn
// on full ASCII behind the user's back.
TEST_F(VariantHandlers, SccUnderAnotherSymbologyLeavesItsOptionsAlone) {
    window.Select(GB3b4);
    EXPECT_FALSE(window.Checked(Option2));
    EXPECT_TRUE(window.Visible(Option2));
    window.Select(GB3b2);
    EXPECT_FALSE(window.Visible(Insert));
    EXPECT_FALSE(window.Visible(DispSums));
}

} // namespace
} // namespace zindra::test
