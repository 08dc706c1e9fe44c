#include "ui/RichEdit.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

struct FindRow {
    std::u16string_view what;
    int start;
    int length;
    int found;
};

// In "abcABCabc".
const FindRow FindRows[] = {
    {u"ABC", 0, 9, 3},
    {u"abc", 1, 8, 6},  // the first match after the start
    {u"Abc", 0, 9, -1}, // case counts
    {u"abc", 6, 2, -1}, // the match would run past the range
    {u"", 4, 5, 4},
    {u"abc", 20, 5, -1}, // a start beyond the text finds nothing rather than reading past it
};

TEST(RichEdit, FindsWithinTheRangeMatchingCase) {
    RichEdit edit({"Arial", 12});
    edit.SetText(u"abcABCabc");
    for (const FindRow& row : FindRows)
        EXPECT_EQ(edit.Find(row.what, row.start, row.length), row.found) << row.start;
}

TEST(RichEdit, TheWholeFontOverridesSelectionStyles) {
    RichEdit edit({"Arial", 12});
    edit.SetText(u"abcd");
    edit.Select(1, 2);
    edit.SetSelectionFace("Tessary 39 d");
    EXPECT_EQ(edit.Runs(),
              (std::vector<StyledRun>{
                  {u"a", {"Arial", 12}}, {u"bc", {"Tessary 39 d", 12}}, {u"d", {"Arial", 12}}}));
    edit.SetWholeFont({"Arial", 8});
    EXPECT_EQ(edit.Runs(), (std::vector<StyledRun>{{u"abcd", {"Arial", 8}}}));
}

TEST(RichEdit, ASelectionBeyondTheTextIsCutToIt) {
    RichEdit edit({"Arial", 12});
    edit.SetText(u"abc");
    edit.Select(2, 10);
    edit.SetSelectionSize(30);
    EXPECT_EQ(edit.SelectedRuns(), (std::vector<StyledRun>{{u"c", {"Arial", 30}}}));
}

} // namespace
} // namespace zindra
