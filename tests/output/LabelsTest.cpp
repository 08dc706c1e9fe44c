#include "tests/TestText.h"
#include "tests/output/OutputFixture.h"

#include <sys/stat.h>

#include <algorithm>

namespace zindra {
namespace {

using Calls = std::vector<std::string>;

class Labels : public test::OutputFixture {
  protected:
    std::string Folder() const { return (places.DocumentsFolder() / "Zindra").string(); }
    LabelsWindowModel& labels = windows.Labels;
};

TEST_F(Labels, RefusedBeforeMakeInTheSampleField) {
    window.SetText(ControlId::BarTextInput, u"CODE39");
    window.SetText(ControlId::BarTextOut, u"left over");
    window.Click(ControlId::PrintLabel);
    EXPECT_EQ(window.BarCodeOut.Text(), u"Make a bar code before printing labels");
    EXPECT_EQ(window.BarCodeOut.WholeFont(), (CharStyle{"Arial", 12}));
    EXPECT_EQ(window.Text(ControlId::BarTextOut), u"");
    EXPECT_EQ(window.Text(ControlId::BarTextInput), u"CODE39");
    EXPECT_EQ(window.Focus(), ControlId::BarTextInput);
    EXPECT_EQ(platform.Calls, (Calls{"beep"}));
}

TEST_F(Labels, OpensTheWindowOnceMade) {
    Make(u"CODE39");
    window.Click(ControlId::PrintLabel);
    EXPECT_EQ(platform.Calls, (Calls{"modal TForm3"}));
}

constexpr int FifoAt = 1;
constexpr int FolderAt = 2;

struct PrintCase {
    const char* what;
    int size;
    bool explain;
    const char* present;            // the file placed in the product folder, or ""
    std::vector<std::string> calls; // with {folder} for the template folder
    int kind = 0;                   // what `present` is: a file, FifoAt or FolderAt
};

const PrintCase PrintCases[] = {
    {"product template, explained",
     4,
     true,
     "ot161.rtf",
     {"clipboard",
      "message @100,100 To add your bar code to a label, place\nthe cursor in any label on the "
      "form,\nthen on the menu bar click on Edit, Paste\nor just enter a Ctrl-V.",
      "open {folder}/ot161.rtf"}},
    {"product template, no explanation",
     1,
     false,
     "ot167.rtf",
     {"clipboard", "open {folder}/ot167.rtf"}},
    {"the 2.625 x 1.00 size has its own file name",
     3,
     false,
     "ot060.rtf",
     {"clipboard", "open {folder}/ot060.rtf"}},
    {"user's custom template", 9, false, "custom.rtf", {"clipboard", "open {folder}/custom.rtf"}},
    // A missing template leaves the user's clipboard as it was.
    {"product template missing",
     4,
     true,
     "",
     {"message @100,100 The label template ot161.rtf is missing from the folder\n"
      "{folder}\nPlease re-install this product."}},
    // Another stock's template does not stand in.
    {"another template is no help",
     8,
     false,
     "ot161.rtf",
     {"message @100,100 The label template ot164.rtf is missing from the folder\n"
      "{folder}\nPlease re-install this product."}},
    // Neither is missing: the message says what is wrong, and the FIFO is not opened.
    {"a FIFO in the template's place",
     4,
     true,
     "ot161.rtf",
     {"message @100,100 The label template ot161.rtf in the folder\n"
      "{folder}\nis not a regular file."},
     FifoAt},
    {"a folder in the custom template's place",
     9,
     false,
     "custom.rtf",
     {"message @100,100 The label template custom.rtf in the folder\n"
      "{folder}\nis not a regular file."},
     FolderAt},
    {"custom template missing: the folder without its last separator",
     9,
     true,
     "",
     {"message @100,100 You have not yet defined a custom template. Make your\nown "
      "label template, name the file custom.rtf, and place\nthis file in the:\n"
      "{folder} folder."}},
};

std::string WithFolder(std::string line, const std::string& folder) {
    const auto at = line.find("{folder}");
    if (at != std::string::npos) line.replace(at, 8, folder);
    return line;
}

TEST_F(Labels, PrintLabelsInItsOrder) {
    Make(u"CODE39");
    for (const auto& c : PrintCases) {
        std::filesystem::remove_all(places.DocumentsFolder() / "Zindra");
        if (*c.present) places.AddToProductFolder(c.present);
        const auto present = places.DocumentsFolder() / "Zindra" / c.present;
        if (c.kind != 0) std::filesystem::remove(present);
        if (c.kind == FifoAt) {
            ASSERT_EQ(::mkfifo(present.c_str(), 0600), 0) << c.what;
        }
        if (c.kind == FolderAt) std::filesystem::create_directory(present);
        platform.Calls.clear();
        output.Clipboard.clear();
        labels.CheckLabelSize(c.size);
        labels.SetExplainPaste(c.explain);
        labels.FormShow();
        window.SetFocus(ControlId::MakeButtonClick);

        labels.PrintLabelsClick();

        Calls expected;
        for (const auto& line : c.calls)
            expected.push_back(WithFolder(line, Folder()));
        EXPECT_EQ(platform.Calls, expected) << c.what;
        const bool copied = std::ranges::count(c.calls, "clipboard") == 1;
        ASSERT_EQ(output.Clipboard.size(), copied ? 1u : 0u) << c.what;
        if (copied) {
            EXPECT_EQ(output.Clipboard.back().PlainText, u"*CODE39*  ") << c.what;
        }
        EXPECT_EQ(window.Focus(), ControlId::BarTextInput) << c.what;
        EXPECT_TRUE(labels.Closed()) << c.what;
        EXPECT_TRUE(window.MadeFlag) << c.what;
    }
}

TEST_F(Labels, ReturnClosesWithoutCopying) {
    Make(u"CODE39");
    labels.FormShow();
    window.SetFocus(ControlId::MakeButtonClick);
    labels.ExitLabelsClick();
    EXPECT_TRUE(labels.Closed());
    EXPECT_EQ(window.Focus(), ControlId::BarTextInput);
    EXPECT_EQ(platform.Calls, Calls{});
}

TEST_F(Labels, ChoicesKeptBetweenOpenings) {
    Make(u"CODE39");
    EXPECT_EQ(labels.CheckedLabelSize(), 4);
    EXPECT_TRUE(labels.ExplainPaste());
    int opening = 0;
    platform.WhileModal = [&](ProgramWindow) {
        labels.FormShow();
        if (++opening == 1) {
            labels.CheckLabelSize(6);
            labels.SetExplainPaste(false);
        } else {
            EXPECT_EQ(labels.CheckedLabelSize(), 6);
            EXPECT_FALSE(labels.ExplainPaste());
        }
        labels.ExitLabelsClick();
        return 0;
    };
    window.Click(ControlId::PrintLabel);
    window.Click(ControlId::PrintLabel);
    EXPECT_EQ(opening, 2);
}

TEST_F(Labels, SizesOutsideL1ToL9AreIgnored) {
    for (int size : {0, 10, -1}) {
        labels.CheckLabelSize(size);
        EXPECT_EQ(labels.CheckedLabelSize(), 4) << size;
    }
    labels.CheckLabelSize(9);
    EXPECT_STREQ(labels.CheckedStock().TemplateFile, "custom.rtf");
}

// "Print a sheet…" may print on any stock; a size with a sheet of its own
// brings that sheet along, the custom size and unknown names change nothing.
TEST_F(Labels, TheSheetToPrintFollowsTheSizeUnlessChosen) {
    EXPECT_EQ(labels.SheetName(), "5161");
    const struct {
        int size; // 0: no size checked in this step
        const char* chosen;
        const char* sheet;
    } steps[] = {
        {3, "", "5160"},
        {0, "a4-63.5x38.1", "a4-63.5x38.1"},
        {9, "", "a4-63.5x38.1"},
        {0, "no-such-sheet", "a4-63.5x38.1"},
        {0, "custom:1x1,50x20,5,5", "a4-63.5x38.1"},
        {7, "", "5163"},
        {12, "", "5163"},
    };
    for (const auto& step : steps) {
        if (step.size) labels.CheckLabelSize(step.size);
        if (*step.chosen) labels.ChooseSheet(step.chosen);
        EXPECT_EQ(labels.SheetName(), step.sheet) << step.size << step.chosen;
        EXPECT_EQ(labels.ChosenSheet().Name, step.sheet);
    }
}

TEST_F(Labels, SheetCaptionsNameThePaperTheLabelsAndTheStock) {
    const struct {
        const char* stock;
        const char* caption;
    } rows[] = {
        {"5160", "Letter, 2.625 x 1 in, 30 labels (5160)"},
        {"5167", "Letter, 1.75 x 0.5 in, 80 labels (5167)"},
        {"a4-63.5x38.1", "A4, 63.5 x 38.1 mm, 21 labels (a4-63.5x38.1)"},
        {"a4-38.1x21.2", "A4, 38.1 x 21.2 mm, 65 labels (a4-38.1x21.2)"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SheetCaption(*FindSheetStock(row.stock)), row.caption);
}

} // namespace
} // namespace zindra
