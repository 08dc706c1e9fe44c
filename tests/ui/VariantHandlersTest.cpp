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

constexpr std::u16string_view GeneralLabel = u"Enter the data to be converted into a bar code:";
constexpr std::u16string_view Gs1Label = u"Enter the element strings, each AI in parentheses:";

// Under Code 128, going from one variant to another: what shows, and what the data label asks.
struct Code128VariantRow {
    ControlId from;
    ControlId to;
    bool insertShown; // Insert and ComboBox1
    bool option2Shown;
    std::u16string_view dataLabel;
};
const Code128VariantRow Code128VariantRows[] = {
    {GB3b2, GB3b6, true, true, GeneralLabel},   {GB3b4, GB3b6, true, true, GeneralLabel},
    {GB3b2, GB3b7, false, false, Gs1Label},     {GB3b4, GB3b7, false, false, Gs1Label},
    {GB3b6, GB3b7, false, false, Gs1Label},     {GB3b7, GB3b1, true, true, GeneralLabel},
    {GB3b7, GB3b2, true, true, GeneralLabel},   {GB3b7, GB3b3, true, true, GeneralLabel},
    {GB3b7, GB3b4, false, false, GeneralLabel}, {GB3b7, GB3b6, true, true, GeneralLabel},
};

TEST_F(VariantHandlers, Code128VariantsShowTheirOptionsAndAskForTheirData) {
    window.Select(Radio128);
    for (const Code128VariantRow& row : Code128VariantRows) {
        SCOPED_TRACE(std::string(SpecOf(row.from).Name) + " -> " +
                     std::string(SpecOf(row.to).Name));
        window.Select(row.from);
        ShowMade(window, u"x", u"x");
        window.Select(row.to);
        EXPECT_FALSE(window.MadeFlag);
        EXPECT_EQ(window.Visible(Insert), row.insertShown);
        EXPECT_EQ(window.Visible(ComboBox1), row.insertShown);
        EXPECT_EQ(window.Visible(Option2), row.option2Shown);
        EXPECT_TRUE(window.Visible(DispSums));
        EXPECT_EQ(window.Text(StaticText4), row.dataLabel);
    }
}

// Coming back to Code 128 with GS1-128 still chosen gives GS1-128's look, not subset B's.
TEST_F(VariantHandlers, Code128RestoresTheLookOfGs1) {
    window.Select(Radio128);
    window.Select(GB3b7);
    window.Select(Radio39);
    EXPECT_EQ(window.Text(StaticText4), GeneralLabel);
    window.Select(Radio128);
    EXPECT_EQ(window.Text(StaticText4), Gs1Label);
    for (ControlId id : {Insert, ComboBox1, Option2})
        EXPECT_FALSE(window.Visible(id));
    EXPECT_TRUE(window.Visible(GB3b7));
}

// EAN and UPC have no Auto or GS1-128: the first of their own variants takes over.
TEST_F(VariantHandlers, EanAndUpcFallBackFromCode128sOwnVariants) {
    for (ControlId variant : {GB3b6, GB3b7})
        for (ControlId symbology : {RadioEAN, RadioUPC}) {
            SCOPED_TRACE(std::string(SpecOf(variant).Name) + " " +
                         std::string(SpecOf(symbology).Name));
            window.Select(Radio128);
            window.Select(variant);
            window.Select(symbology);
            EXPECT_TRUE(window.Checked(GB3b1));
            for (ControlId hidden : {GB3b4, GB3b5, GB3b6, GB3b7})
                EXPECT_FALSE(window.Visible(hidden));
            EXPECT_EQ(window.ReadOptions().VariantChoice, 1);
        }
}

} // namespace
} // namespace zindra::test
