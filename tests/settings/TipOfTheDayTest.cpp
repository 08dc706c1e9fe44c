#include "settings/TipOfTheDay.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::ReadText;
using test::TempFolder;
using test::WriteText;

// Tips 0 to `lastTip` read "Tip text 0", "Tip text 1", ...
std::string TipsFile(const std::string& tipoftheday, int lastTip) {
    std::string text = "[TipoftheDay]\n" + tipoftheday + "[Tips]\n";
    for (int i = 0; i <= lastTip; ++i)
        text += std::to_string(i) + "=Tip text " + std::to_string(i) + "\n";
    return text;
}

class TipOfTheDayTest : public ::testing::Test {
  protected:
    std::filesystem::path File() const { return folder / "zindratips.ini"; }
    int Position() const { return IniFile(File()).ReadInteger("TipoftheDay", "Position", -99); }
    void SetPosition(int p) { IniFile(File()).WriteInteger("TipoftheDay", "Position", p); }

    void ExpectShown(const TipOutcome& outcome, const std::u16string& label,
                     const std::u16string& text) {
        EXPECT_FALSE(outcome.Warning.has_value());
        EXPECT_FALSE(outcome.FileError.has_value());
        EXPECT_EQ(view.TipLabel, label);
        EXPECT_EQ(view.Memo1, text);
    }

    TempFolder folder;
    TipView view;
};

TEST_F(TipOfTheDayTest, TheTipsRunInACircle) {
    WriteText(File(), TipsFile("Enabled=1\nPosition=0\nMaximum=24\n", 24));
    ExpectShown(ShowNextTip(File(), view), u"Tip 1 of 25", u"Tip text 0");
    EXPECT_EQ(Position(), 1);
    TipOutcome last;
    for (int shown = 2; shown <= 25; ++shown)
        last = ShowNextTip(File(), view);
    ExpectShown(last, u"Tip 25 of 25", u"Tip text 24");
    EXPECT_EQ(Position(), 25);
    ExpectShown(ShowNextTip(File(), view), u"Tip 1 of 25", u"Tip text 0");
    EXPECT_EQ(Position(), 1);
}

TEST_F(TipOfTheDayTest, PreviousShowsTheTipBeforeTheOneOnScreen) {
    const struct {
        const char* maximumLine;
        int position; // Position while the tip before it is on screen
        std::u16string label, text;
    } rows[] = {
        {"Maximum=24\n", 1, u"Tip 25 of 25", u"Tip text 24"}, // from the first tip to the last
        {"Maximum=24\n", 5, u"Tip 4 of 25", u"Tip text 3"},   // from Tip 5 of 25
        {"Maximum=24\n", 0, u"Tip 24 of 25", u"Tip text 23"},
        // Without Maximum the tips present count: the first steps back to the last.
        {"", 1, u"Tip 25 of 25", u"Tip text 24"},
        {"", 2, u"Tip 1 of 25", u"Tip text 0"},
        {"Maximum=30\n", 1, u"Tip 25 of 25", u"Tip text 24"}, // a Maximum past the tips
        {"Maximum=3\n", 1, u"Tip 25 of 25", u"Tip text 24"},  // a Maximum short of them
    };
    for (const auto& row : rows) {
        WriteText(File(), TipsFile(std::string("Enabled=1\n") + row.maximumLine, 24));
        SetPosition(row.position);
        ExpectShown(ShowPreviousTip(File(), view), row.label, row.text);
    }
}

TEST_F(TipOfTheDayTest, TheCountIsTheTipsPresentWhateverMaximumSays) {
    const struct {
        const char* tipoftheday;
        int lastTip;
        std::vector<std::u16string> labels; // of the showings from a fresh Position
    } rows[] = {
        {"Enabled=1\n", 4, {u"Tip 1 of 5", u"Tip 2 of 5", u"Tip 5 of 5", u"Tip 1 of 5"}},
        {"Position=25\nMaximum=24\n", 26, {u"Tip 26 of 27", u"Tip 27 of 27", u"Tip 1 of 27"}},
        {"Maximum=24\n", 2, {u"Tip 1 of 3", u"Tip 2 of 3", u"Tip 3 of 3", u"Tip 1 of 3"}},
    };
    for (const auto& row : rows) {
        WriteText(File(), TipsFile(row.tipoftheday, row.lastTip));
        std::vector<std::u16string> labels;
        while (labels.size() < row.labels.size()) {
            ShowNextTip(File(), view);
            labels.push_back(view.TipLabel);
            // Skip from the second tip to the last, where the circle turns.
            if (labels.size() == 2 && row.labels.size() == 4) SetPosition(row.lastTip);
        }
        EXPECT_EQ(labels, row.labels) << row.tipoftheday;
    }
}

TEST_F(TipOfTheDayTest, ATipReadingXXXXEndsTheCount) {
    WriteText(File(), TipsFile("Maximum=24\n", 24));
    IniFile(File()).WriteString("Tips", "3", u"XXXX");
    ExpectShown(ShowNextTip(File(), view), u"Tip 1 of 3", u"Tip text 0");
}

TEST_F(TipOfTheDayTest, AMissingOrUnreadableTipRestartsAtTipZero) {
    const struct {
        const char* tipoftheday;
    } rows[] = {
        {"Position=3\nMaximum=24\n"},   // tip 3 reads XXXX below
        {"Position=-4\nMaximum=24\n"},  // no tip has a negative number
        {"Position=abc\nMaximum=24\n"}, // not a number: 0
    };
    for (const auto& row : rows) {
        WriteText(File(), TipsFile(row.tipoftheday, 24));
        IniFile(File()).WriteString("Tips", "3", u"XXXX");
        ExpectShown(ShowNextTip(File(), view), u"Tip 1 of 3", u"Tip text 0");
        EXPECT_EQ(Position(), 1) << row.tipoftheday;
    }
}

TEST_F(TipOfTheDayTest, WithoutTheSectionTheWindowKeepsItsText) {
    for (const auto* file : {"", "[TipoftheDay]\n[Tips]\n0=Orphan tip\n"}) {
        WriteText(File(), file);
        TipView untouched;
        view = untouched;
        for (const auto& outcome : {ShowNextTip(File(), view), ShowPreviousTip(File(), view)})
            EXPECT_EQ(outcome.Warning, TipFileMissingMessage);
        EXPECT_EQ(view.Memo1, u"A helpfull hint goes here.");
        EXPECT_EQ(ReadText(File()), file); // nothing written
    }
}

TEST_F(TipOfTheDayTest, NoTipAtPositionNorAtZeroIsABadFile) {
    WriteText(File(), "[TipoftheDay]\nPosition=7\n[Tips]\n5=Only tip five\n");
    view.TipLabel = u"Tip 3 of 25";
    EXPECT_EQ(ShowNextTip(File(), view).Warning, TipFileBadMessage);
    EXPECT_EQ(view.Memo1, u"");
    EXPECT_EQ(view.TipLabel, u"Tip 3 of 25");
    EXPECT_EQ(Position(), 0);
}

TEST_F(TipOfTheDayTest, TheCheckBoxIsWrittenAtOnce) {
    WriteText(File(), TipsFile("Enabled=1\n", 1));
    EXPECT_FALSE(WriteTipEnabled(File(), false).has_value());
    EXPECT_FALSE(IniFile(File()).ReadBool("TipoftheDay", "Enabled", true));

    const auto refused = WriteTipEnabled(folder / "gone" / "zindratips.ini", true);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->File, folder / "gone" / "zindratips.ini");
}

} // namespace
} // namespace zindra
