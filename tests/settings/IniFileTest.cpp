#include "settings/IniFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::ReadText;
using test::TempFolder;
using test::WriteText;

class IniFileTest : public ::testing::Test {
  protected:
    std::filesystem::path File() const { return folder / "zindratips.ini"; }
    IniFile Open() const { return IniFile(File()); }

    TempFolder folder;
};

TEST_F(IniFileTest, NamesMatchWhateverTheirCaseAndBlanks) {
    WriteText(File(), "[ Settings ]\n  supplemental  = SCC14\n");
    const struct {
        const char* section;
        const char* key;
    } rows[] = {
        {"Settings", "Supplemental"},
        {" Settings ", " Supplemental "},
        {"SETTINGS", "SUPPLEMENTAL"},
        {"\tsettings", "supplemental\t"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Open().ReadString(row.section, row.key, u"A"), u"SCC14")
            << row.section << "/" << row.key;
}

TEST_F(IniFileTest, IntegersAndBooleansFollowTheIntegerRule) {
    const struct {
        const char* stored; // nullptr: no such key
        int fallback;
        int integer;
        bool boolean;
    } rows[] = {
        {"42", 7, 42, true},   {"-7", 0, -7, true},         {"0x10", 0, 16, true},
        {"0X1f", 0, 31, true}, {"0x0", 1, 0, false},        {"0", 1, 0, false},
        {"2", 0, 2, true},     // any value other than 0 is true
        {"  5  ", 0, 5, true}, // blanks around a value are not part of it
        {"abc", 4, 4, true},   {"abc", 0, 0, false},        {"", 9, 9, true},
        {"12abc", 3, 3, true}, {"0x", 3, 3, true}, // a prefix without digits is no number
        {"0xG1", 3, 3, true},  {"--5", 3, 3, true},         {"0x-5", 3, 3, true},
        {"1.5", 3, 3, true},   {"99999999999", 3, 3, true}, // beyond an integer's range
        {nullptr, 6, 6, true}, {nullptr, 0, 0, false},
    };
    for (const auto& row : rows) {
        WriteText(File(), row.stored ? std::string("[S]\nOther=1\nK=") + row.stored + "\n"
                                     : std::string("[S]\nOther=1\n"));
        const std::string name = row.stored ? row.stored : "(missing)";
        EXPECT_EQ(Open().ReadInteger("S", "K", row.fallback), row.integer) << name;
        EXPECT_EQ(Open().ReadBool("S", "K", row.fallback != 0), row.boolean) << name;
    }
}

TEST_F(IniFileTest, MissingFileSectionOrKeyGiveTheDefault) {
    EXPECT_EQ(Open().ReadString("Settings", "Data", u"ABCD4567"), u"ABCD4567");
    EXPECT_EQ(Open().ReadInteger("Settings", "LabelSize", 4), 4);
    EXPECT_FALSE(Open().SectionExists("Settings"));
    EXPECT_FALSE(std::filesystem::exists(File())); // reading creates nothing

    WriteText(File(), "[Settings]\nData=\n");
    EXPECT_EQ(Open().ReadString("Settings", "Data", u"ABCD4567"), u""); // present but empty
    EXPECT_EQ(Open().ReadString("Settings", "Type", u"39"), u"39");
    EXPECT_EQ(Open().ReadString("Other", "Data", u"x"), u"x");
}

TEST_F(IniFileTest, ASectionCountsOnlyWhileItHoldsAKey) {
    WriteText(File(), "[Empty]\n; only a comment\n\nnot a key line\n[Full]\nk=1\n[Blank]\n");
    EXPECT_FALSE(Open().SectionExists("Empty"));
    EXPECT_FALSE(Open().SectionExists("Blank"));
    EXPECT_TRUE(Open().SectionExists("Full"));
    EXPECT_TRUE(Open().SectionExists(" full "));
    EXPECT_FALSE(Open().SectionExists("Missing"));
}

TEST_F(IniFileTest, TheFirstOfTwoEqualKeysAnswers) {
    WriteText(File(), "[S]\nK=first\n[T]\nK=other\n[s]\nk=second\n");
    EXPECT_EQ(Open().ReadString("S", "K", u""), u"first");
    Open().WriteString("S", "K", u"new");
    EXPECT_EQ(ReadText(File()), "[S]\nK=new\n[T]\nK=other\n[s]\nk=second\n");
}

TEST_F(IniFileTest, TextComesBackCutTo2047Units) {
    const std::u16string longest(2047, u'7'), longer(3000, u'8');
    auto ini = Open();
    ini.WriteString("Settings", "Data", longest);
    ini.WriteString("Settings", "Long", longer);
    EXPECT_EQ(Open().ReadString("Settings", "Data", u""), longest);
    EXPECT_EQ(Open().ReadString("Settings", "Long", u""), longer.substr(0, 2047));

    // A cut through a surrogate pair keeps no half character.
    std::u16string paired(2046, u'a');
    paired += u"\U0001F600b";
    Open().WriteString("Settings", "Pair", paired);
    EXPECT_EQ(Open().ReadString("Settings", "Pair", u""), std::u16string(2046, u'a'));
}

TEST_F(IniFileTest, TextsComeBackAsWritten) {
    const std::u16string rows[] = {
        u"ABCD4567",
        u"",
        u" AB ",       // blanks that the file format would drop
        u"\"quoted\"", // quotes that the file format would drop
        u"\"",
        u"a=b;c#d",
        u"[NotASection]",
        u"\u00cd\u00a1\u00e9", // Latin-1 characters the Code 128 insert adds
        u"; leading comment sign",
    };
    for (const auto& text : rows) {
        Open().WriteString("Settings", "Data", text);
        EXPECT_EQ(Open().ReadString("Settings", "Data", u"default"), text);
    }
}

TEST_F(IniFileTest, ALineBreakInATextCannotAddLines) {
    Open().WriteString("Settings", "Data", u"AB\r\n[Settings]\nType=93");
    EXPECT_EQ(Open().ReadString("Settings", "Type", u"39"), u"39");
    EXPECT_EQ(Open().ReadString("Settings", "Data", u""), u"AB  [Settings] Type=93");
}

TEST_F(IniFileTest, AWriteChangesOnlyItsOwnLine) {
    const std::string before = "; Zindra settings\n"
                               "[TipoftheDay]\n"
                               "Enabled = 1\n"
                               "  Position=3   \n"
                               "\n"
                               "# tips follow\n"
                               "[Tips]\n"
                               "0=First tip\n";
    const struct {
        const char* section;
        const char* key;
        int value;
        std::string after;
    } rows[] = {
        {"tipoftheday", " position ", 4,
         "; Zindra settings\n[TipoftheDay]\nEnabled = 1\n  Position=4\n\n# tips follow\n"
         "[Tips]\n0=First tip\n"},
        {"TipoftheDay", "Enabled", 0,
         "; Zindra settings\n[TipoftheDay]\nEnabled = 0\n  Position=3   \n\n# tips follow\n"
         "[Tips]\n0=First tip\n"},
        {"TipoftheDay", "Maximum", 24, // a new key follows the section's last key
         "; Zindra settings\n[TipoftheDay]\nEnabled = 1\n  Position=3   \nMaximum=24\n\n"
         "# tips follow\n[Tips]\n0=First tip\n"},
        {"Settings", "Left", -12, // a new section goes at the end
         before + "\n[Settings]\nLeft=-12\n"},
    };
    for (const auto& row : rows) {
        WriteText(File(), before);
        Open().WriteInteger(row.section, row.key, row.value);
        EXPECT_EQ(ReadText(File()), row.after) << row.key;
    }
}

TEST_F(IniFileTest, AWriteKeepsTheFilesLineEndingsAndSignature) {
    const struct {
        std::string before, after;
    } rows[] = {
        {"[S]\r\nA=1\r\n", "[S]\r\nA=1\r\nB=2\r\n"},
        {"\xEF\xBB\xBF[S]\nA=1\n", "\xEF\xBB\xBF[S]\nA=1\nB=2\n"},
        {"[S]\nA=1", "[S]\nA=1\nB=2\n"}, // a last line without its ending
        {"[S]\n", "[S]\nB=2\n"},         // a section with no key yet
        {"", "[S]\nB=2\n"},
        {"[T]\nX=1", "[T]\nX=1\n\n[S]\nB=2\n"},
    };
    for (const auto& row : rows) {
        WriteText(File(), row.before);
        Open().WriteInteger("S", "B", 2);
        EXPECT_EQ(ReadText(File()), row.after);
    }
}

TEST_F(IniFileTest, TwoProgramsWritingInTurnKeepEachOthersKeys) {
    auto first = Open();
    auto second = Open();
    first.WriteInteger("Settings", "Left", 100);
    second.WriteInteger("Settings", "Top", 200);
    first.WriteString("Settings", "Type", u"93");
    second.WriteString("Settings", "Type", u"128");
    EXPECT_EQ(first.ReadInteger("Settings", "Top", 0), 200); // seen at once, nothing cached
    EXPECT_EQ(second.ReadInteger("Settings", "Left", 0), 100);
    EXPECT_EQ(Open().ReadString("Settings", "Type", u""), u"128");
}

} // namespace
} // namespace zindra
