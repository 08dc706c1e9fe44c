#include "WindowFixture.h"
#include "tests/TestText.h"

namespace zindra::test {
namespace {

using enum ControlId;

using SizeAdviceLine = WindowFixture;

TEST_F(SizeAdviceLine, FollowsTheMadeCodeTheLetterAndThePointSize) {
    EXPECT_EQ(Show(window.SizeAdviceText()), "");
    window.UserEdit(BarTextInput, u"CODE39");
    window.SetChecked(OptionalChecksum, true);
    window.Click(MakeButtonClick);
    // *CODE39W*: 163 modules of 0.33867 mm, bars 25 modules (size D).
    EXPECT_EQ(Show(window.SizeAdviceText()), "55.2 mm wide, 8.5 mm high, X 0.34 mm");
    // Typing after Make changes nothing that was made.
    window.UserEdit(BarTextInput, u"CODE39CODE39");
    EXPECT_EQ(Show(window.SizeAdviceText()), "55.2 mm wide, 8.5 mm high, X 0.34 mm");
    // The letter chooses the height: A is 8 modules, under 15 % of 163.
    window.Click(FontA);
    EXPECT_EQ(Show(window.SizeAdviceText()), "55.2 mm wide, 2.7 mm high, X 0.34 mm: bars shorter "
                                             "than 8.3 mm (15 % of the width): for hand-held "
                                             "scanners only");
    // The point size the width: at 8 points X is 0.113 mm.
    window.SetText(PointSize, u"8");
    EXPECT_EQ(Show(window.SizeAdviceText()),
              "18.4 mm wide, 0.9 mm high, X 0.11 mm: too small to scan reliably; bars shorter "
              "than 6.35 mm: for hand-held scanners only");
    window.SetText(PointSize, u"big");
    EXPECT_EQ(Show(window.SizeAdviceText()), "");
}

TEST_F(SizeAdviceLine, SubsetASaysLowerCaseIsControlCharacters) {
    struct Row {
        ControlId subset;
        std::u16string_view data;
        bool noted;
    };
    const Row rows[] = {
        {GB3b1, u"Hello", true}, {GB3b1, u"HELLO", false}, {GB3b2, u"Hello", false}};
    constexpr std::string_view Note = "; lower-case letters are control characters in subset A";
    for (const Row& row : rows) {
        window.Select(Radio128);
        window.Select(row.subset);
        window.UserEdit(BarTextInput, row.data);
        window.Click(MakeButtonClick);
        const std::string line = Show(window.SizeAdviceText());
        EXPECT_EQ(line.ends_with(Note), row.noted) << line;
        // the size still leads: start, five letters, check (11 modules each), stop (13),
        // quiet zones (10 + 10): 110 modules of 0.339 mm
        EXPECT_TRUE(line.starts_with("37.3 mm wide, 8.5 mm high")) << line;
    }
}

TEST_F(SizeAdviceLine, EmptyAfterAnError) {
    window.UserEdit(BarTextInput, u"abc");
    window.Click(MakeButtonClick);
    EXPECT_EQ(Show(window.SizeAdviceText()), "");
}

} // namespace
} // namespace zindra::test
