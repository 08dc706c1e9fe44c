#include "StartUpFixture.h"

#include "engine/Utf8.h"

namespace zindra {
namespace {

using enum ControlId;
using test::ReadText;
using test::StartUpTest;
using test::TipData;

const std::string TipFileMissing =
    "message @100,100 The Tip-of-the-Day file could not be found! Please re-install this product.";

TEST_F(StartUpTest, AFirstRunSeedsTheFileAndClosingWritesTheWindowOverIt) {
    Install(TipData);
    auto& [places, platform, window, labels, about, tips, startUp] = *run;
    window.Left = 312; // where the view centred the window
    window.Top = 188;
    window.Activate();

    const struct {
        const char* key;
        std::u16string value;
    } seeded[] = {
        {"Left", u"312"},
        {"Top", u"188"},
        {"Type", u"39"},
        {"FontType", u"H"},
        {"FontSize", u"C"},
        {"Supplemental", u"A"},
        {"PointSize", u"24"},
        {"Data", u"ABCD4567"},
        {"OptionalChecksum", u"0"},
        {"Option2", u"0"},
        {"DispSums", u"0"},
        {"LabelSize", u"4"},
        {"LabelExplain", u"1"},
        {"HintsOff", u"(missing)"},
    };
    for (const auto& key : seeded)
        EXPECT_EQ(Saved(key.key), key.value) << key.key;

    // The window keeps its initial look; the seeded values are not applied.
    for (const auto id : {Radio39, Type1, FontD, GB3b1, TipCheckBox})
        EXPECT_TRUE(window.Checked(id));
    EXPECT_EQ(window.Text(PointSize), u"24");
    EXPECT_EQ(window.Text(BarTextInput), u"");
    EXPECT_EQ(window.Text(BarCodeDesc), u"Bar code 3/9:");
    EXPECT_TRUE(run->Called("modal TTip"));
    EXPECT_EQ(tips.View.TipLabel, u"Tip 1 of 2");

    window.Close();
    EXPECT_EQ(ReadText(File()), "[TipoftheDay]\nEnabled=1\nPosition=1\nMaximum=1\n"
                                "[Tips]\n0=First\n1=Second\n\n"
                                "[Settings]\nLeft=312\nTop=188\nType=39\nFontType=S\nFontSize=D\n"
                                "Supplemental=A\nPointSize=24\nData=\nOptionalChecksum=0\n"
                                "Option2=0\nDispSums=0\nLabelSize=4\nLabelExplain=1\n"
                                "LabelSheet=5161\n");
}

TEST_F(StartUpTest, EachSavedChoiceComesBackThroughItsButton) {
    const struct {
        const char* settings;
        std::initializer_list<ControlId> checked;
    } rows[] = {
        {"Type=Codabar\n", {RadioCodabar}},
        {"Type=codabar\n", {RadioUPC}}, // texts compare with their letter case
        {"Type=\n", {RadioUPC}},
        {"Type=39\n", {Radio39}},
        {"Type=25\nFontType=I\n", {Radio25, ITF14}},
        {"Type=25\nFontType=X\n", {Radio25, ITF14}},
        {"Type=25\nFontType=\n", {Radio25, ITF14}},
        // Code 39 (also what a missing Type gives) hides ITF-14: Standard instead.
        {"FontType=I\n", {Radio39, Type1}},
        {"Type=128\nFontType=I\n", {Radio128, Type1}},
        {"FontType=S\n", {Type1}},
        {"FontSize=a\n", {FontF}},
        {"FontSize=B\n", {FontB}},
        {"Supplemental=SCC18\n", {GB3b5}},
        {"Supplemental=SSCC18\n", {GB3b5}},
        {"Supplemental=D\n", {GB3b5}},
        {"Supplemental=SCC14\nOption2=1\n", {GB3b4, Option2}},
        {"Type=128\nSupplemental=Auto\n", {Radio128, GB3b6}},
        {"Type=128\nSupplemental=GS1-128\n", {Radio128, GB3b7}},
        {"Type=128\nSupplemental=GS1\n", {Radio128, GB3b5}},
        {"Type=EAN\nSupplemental=Auto\n", {RadioEAN, GB3b6}}, // as SCC18 is: hidden, ignored
        // The symbology is restored before the font type, so UPC's own
        // selection of UPC-A gives way to the saved UPC-E.
        {"Type=UPC\nFontType=H\n", {RadioUPC, Type2}},
        {"Type=EAN\nFontSize=F\n", {RadioEAN, FontF}}, // a size EAN hides
        {"OptionalChecksum=1\nOption2=0x1\nDispSums=7\n", {OptionalChecksum, Option2, DispSums}},
        // Missing keys take their reading defaults, not the initial states.
        {"Type=93\n", {Radio93, Type2, FontC, GB3b1}},
    };
    for (const auto& row : rows) {
        const auto& window = StartWith(row.settings).window;
        for (const auto id : row.checked)
            EXPECT_TRUE(window.Checked(id)) << row.settings << SpecOf(id).Name;
    }
}

TEST_F(StartUpTest, ACodabarTypeGivesTheCodabarLook) {
    const auto& window = StartWith("Type=Codabar\n").window;
    EXPECT_EQ(window.Text(BarCodeDesc), u"Codabar:s");
    EXPECT_FALSE(window.Visible(OptionalChecksum));
}

TEST_F(StartUpTest, LabelChoicesComeBackWithTheirDefaults) {
    const struct {
        const char* settings;
        int size;
        bool explain;
        const char* sheet = "5161";
    } rows[] = {
        {"LabelSize=0x3\n", 3, true},
        {"LabelSize=0\n", 9, true},
        {"LabelSize=12\n", 9, true},
        {"LabelSize=8\n", 8, true},
        {"LabelSize=abc\n", 4, true},
        {"LabelExplain=0\n", 4, false},
        {"Type=39\n", 4, true}, // no label key: the defaults
        {"LabelSize=9\nLabelSheet=a4-70x37\n", 9, true, "a4-70x37"},
    };
    for (const auto& row : rows) {
        const auto& labels = StartWith(row.settings).labels;
        EXPECT_EQ(labels.Size, row.size) << row.settings;
        EXPECT_EQ(labels.Explain, row.explain) << row.settings;
        EXPECT_EQ(labels.Sheet, row.sheet) << row.settings;
    }
}

TEST_F(StartUpTest, TextsArePutInUnchangedAndTheDataIsSelected) {
    const auto& window =
        StartWith("PointSize=12\nData=" + std::string(3000, 'Q') + "\nLeft=-3000\nTop=0x20\n")
            .window;
    EXPECT_EQ(window.Text(PointSize), u"12"); // below 18, yet no check runs
    EXPECT_EQ(window.Text(BarTextInput), std::u16string(3000, u'Q'));
    EXPECT_EQ(window.Left, -3000); // no check against the screen
    EXPECT_EQ(window.Top, 32);
    EXPECT_EQ(window.Focus(), BarTextInput);
    EXPECT_EQ(window.Get(BarTextInput).SelStart, 0);
    EXPECT_EQ(window.Get(BarTextInput).SelLength, 3000);
}

TEST_F(StartUpTest, TheWholeDataComesBackAfterARestart) {
    // Up to the 32767 characters the data field takes; past them, what it takes.
    const struct {
        std::u16string typed, restored;
    } rows[] = {
        {std::u16string(2048, u'Q'), std::u16string(2048, u'Q')},
        {std::u16string(32767, u'\u00e9'), std::u16string(32767, u'\u00e9')},
        {std::u16string(40000, u'7'), std::u16string(32767, u'7')},
        // Auto's control characters; a line break would end the line in the file
        {std::u16string(u"A\tB\x1b\x01", 5), std::u16string(u"A\tB\x1b\x01", 5)},
        {std::u16string(u"A\0B", 3), std::u16string(u"A\0B", 3)},
        {u"A\r\nB", u"A  B"},
    };
    for (const auto& row : rows) {
        auto& first = StartWith("Type=39\n");
        first.window.SetText(BarTextInput, row.typed);
        first.window.Close();
        test::Program next(places);
        next.window.Activate();
        EXPECT_EQ(next.window.Text(BarTextInput), row.restored) << row.typed.size();
    }
}

TEST_F(StartUpTest, Code128sNewerVariantsAreSavedByName) {
    for (const auto& [variant, text] : {std::pair{GB3b6, u"Auto"}, std::pair{GB3b7, u"GS1-128"}}) {
        auto& program = StartWith("Type=128\n");
        program.window.Select(variant);
        program.window.Close();
        EXPECT_EQ(Saved("Supplemental"), text);
        test::Program next(places);
        next.window.Activate();
        EXPECT_TRUE(next.window.Checked(variant)) << SpecOf(variant).Name;
    }
}

TEST_F(StartUpTest, HintsStayLongerAndHintsOffSwitchesThemOff) {
    const struct {
        const char* settings;
        bool shown;
        std::u16string afterClose; // the program never writes or removes the key
    } rows[] = {
        {"HintsOff=1\n", false, u"1"},
        {"HintsOff=0\n", true, u"0"},
        {"Type=39\n", true, u"(missing)"},
    };
    for (const auto& row : rows) {
        auto& program = StartWith(row.settings);
        EXPECT_EQ(program.startUp.Hints.ShowHints, row.shown) << row.settings;
        EXPECT_EQ(program.startUp.Hints.HidePauseMs, 6000);
        program.window.Close();
        EXPECT_EQ(Saved("HintsOff"), row.afterClose);
    }
}

TEST_F(StartUpTest, AFileInTheFoldersPlaceIsNamedAsNotAFolder) {
    test::WriteText(Folder(), "not a folder");
    run->window.Activate();
    EXPECT_EQ(
        run->platform.Calls,
        std::vector<std::string>{"message @100,100 The product folder " + Folder().string() +
                                 " is not a folder; move it out of the way and start again."});
    EXPECT_FALSE(run->startUp.FolderFound);
}

TEST_F(StartUpTest, WithoutTheFolderNothingIsReadOrWritten) {
    auto& window = run->window;
    window.Activate();
    EXPECT_EQ(run->platform.Calls,
              std::vector<std::string>{"message @100,100 The folder " + Folder().string() +
                                       "/ is missing, please re-install this product."});
    EXPECT_FALSE(run->startUp.FolderFound);
    EXPECT_TRUE(window.Checked(TipCheckBox));

    // A folder that appears later in the run is not noticed.
    std::filesystem::create_directories(Folder());
    window.Click(TipCheckBox);
    EXPECT_FALSE(window.Checked(TipCheckBox));
    window.Close();
    EXPECT_TRUE(std::filesystem::is_empty(Folder()));
}

TEST_F(StartUpTest, WithoutTipDataTheSavedChoicesStillComeBack) {
    const struct {
        std::string file;
        ControlId symbology;
        std::u16string data;
        int labelSize;
    } rows[] = {
        {"[Settings]\nType=Codabar\nData=A123B\nLabelSize=7\n", RadioCodabar, u"A123B", 7},
        {"[Settings]\nType=93\n[TipoftheDay]\n", Radio93, u"ABCD4567", 4},
        {"", Radio39, u"", 4}, // no file: nothing to restore, nothing seeded
    };
    for (const auto& row : rows) {
        std::filesystem::remove_all(Folder());
        Install(row.file);
        run = std::make_unique<test::Program>(places);
        auto& window = run->window;
        window.Activate();
        EXPECT_TRUE(run->Called(TipFileMissing)) << row.file;
        EXPECT_FALSE(run->Called("modal TTip")) << row.file;
        EXPECT_TRUE(window.Checked(row.symbology)) << row.file;
        EXPECT_EQ(window.Text(BarTextInput), row.data) << row.file;
        EXPECT_EQ(run->labels.Size, row.labelSize) << row.file;

        // Closing writes everything back, the restored choices included.
        window.Close();
        EXPECT_TRUE(IniFile(File()).ReadBool("TipoftheDay", "Enabled", false));
        EXPECT_EQ(Saved("Data"), row.data) << row.file;
        EXPECT_EQ(Saved("LabelSize"), FromUtf8(std::to_string(row.labelSize))) << row.file;
        EXPECT_EQ(Saved("LabelSheet"), u"5161") << row.file;

        // The next start finds the section and restores.
        test::Program next(places);
        next.window.Activate();
        EXPECT_TRUE(next.window.Checked(row.symbology)) << row.file;
        EXPECT_FALSE(next.Called(TipFileMissing)) << row.file;
    }
}

TEST_F(StartUpTest, TheTipIsShownOnlyWhenEnabled) {
    Install("[TipoftheDay]\nEnabled=0\nPosition=0\n[Tips]\n0=First\n");
    auto& window = run->window;
    window.Activate();
    EXPECT_FALSE(window.Checked(TipCheckBox));
    EXPECT_FALSE(run->Called("modal TTip"));

    window.Click(TipCheckBox); // written at once
    EXPECT_TRUE(IniFile(File()).ReadBool("TipoftheDay", "Enabled", false));
    EXPECT_EQ(window.Focus(), BarTextInput);
}

TEST_F(StartUpTest, ARefusedSaveIsReportedAndLeavesTheFile) {
    auto& window = StartWith("Type=93\n").window;
    const auto before = ReadText(File());
    std::filesystem::permissions(File(), std::filesystem::perms(0444));
    window.Close();
    EXPECT_TRUE(run->Called("message Could not write the settings file " + File().string() +
                            ": The file is read-only."));
    EXPECT_EQ(ReadText(File()), before);
}

TEST_F(StartUpTest, TheTipsAndAboutButtonsShowTheirWindows) {
    auto& program = StartWith("Type=39\n");
    program.window.SetFocus(PointSize);
    program.window.Click(SpeedButton2);
    EXPECT_EQ(program.tips.View.TipLabel, u"Tip 2 of 2"); // the start-up showed tip 1
    EXPECT_EQ(program.window.Focus(), BarTextInput);

    program.window.Click(SpeedButton1);
    EXPECT_EQ(program.platform.Calls.back(), "modal TForm2");
    EXPECT_EQ(program.about.CurVersion, u"V7.0");
}

} // namespace
} // namespace zindra
