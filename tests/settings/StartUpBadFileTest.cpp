#include "StartUpFixture.h"

#include <functional>

namespace zindra {
namespace {

using namespace std::string_literals;
using enum ControlId;
using test::ReadText;
using test::StartUpTest;

// No tip at start, so the start itself writes nothing; a key of the user's own.
const std::string UsersFile = "[TipoftheDay]\nEnabled=0\n[Settings]\nType=93\nNotes=mine\n";

const std::string TipFileMissing =
    "message @100,100 The Tip-of-the-Day file could not be found! Please re-install this product.";

// About 10 MB of comment lines.
std::string TenMegabytes() {
    const std::string line = "; " + std::string(97, '-') + "\n";
    std::string text;
    text.reserve(line.size() * 100'000);
    for (int i = 0; i < 100'000; ++i)
        text += line;
    return text;
}

class StartUpBadFileTest : public StartUpTest {
  protected:
    // What is where the settings file should be, to see that a refused write
    // left it alone.
    std::string State() const {
        if (!std::filesystem::exists(Folder())) return "(no folder)";
        if (std::filesystem::is_directory(File())) return "(directory)";
        return ReadText(File());
    }
};

TEST_F(StartUpBadFileTest, AFileTheProgramCanReadKeepsTheUsersKeysAndBytes) {
    const struct {
        const char* name;
        std::string before, after; // around the file the program knows
    } rows[] = {
        {"binary garbage", "\x00\xff\xfe\x01garbage\r\x80\x81\n"s, "\x00\x7f\n"s},
        {"a 10 MB file", TenMegabytes(), ""},
        {"a line of 100 000 characters", "[Tips]\n0=" + std::string(100'000, 'Q') + "\n", ""},
    };
    for (const auto& row : rows) {
        Install(row.before + UsersFile + row.after);
        run = std::make_unique<test::Program>(places);
        run->window.Activate();
        EXPECT_TRUE(run->window.Checked(Radio93)) << row.name;
        EXPECT_EQ(run->platform.Calls, std::vector<std::string>{}) << row.name;

        run->window.Click(Radio128);
        run->window.Close();
        EXPECT_EQ(run->platform.Calls, std::vector<std::string>{}) << row.name;
        EXPECT_EQ(Saved("Type"), u"128") << row.name;
        EXPECT_EQ(Saved("Notes"), u"mine") << row.name;
        const auto text = ReadText(File());
        EXPECT_TRUE(text.starts_with(row.before)) << row.name;
        // The keys the file lacked follow the user's, the last one written last.
        EXPECT_TRUE(text.ends_with("LabelExplain=1\n" + row.after)) << row.name;

        test::Program next(places);
        next.window.Activate();
        EXPECT_TRUE(next.window.Checked(Radio128)) << row.name;
    }
}

TEST_F(StartUpBadFileTest, EveryRefusedWriteIsReportedAndTheFileLeftAlone) {
    const struct {
        const char* name;
        std::function<void()> spoil;
        bool whileRunning;                 // spoiled after the start rather than before
        std::vector<std::string> warnings; // at the start
        int reportsAtStart;
        std::string reason;
    } rows[] = {
        {"a directory where the file should be",
         [&] {
             std::filesystem::remove(File());
             std::filesystem::create_directory(File());
         },
         false,
         {TipFileMissing},
         0,
         "Is a directory"},
        // Write bits cleared: refused even for the super-user the tests run as.
        {"a read-only file",
         [&] {
             std::filesystem::permissions(File(), std::filesystem::perms::owner_read |
                                                      std::filesystem::perms::group_read);
         },
         // Restoring the Tip-of-the-Day check box writes it back.
         false,
         {},
         1,
         "The file is read-only"},
        {"the folder removed while the program runs",
         [&] { std::filesystem::remove_all(Folder()); },
         true,
         {},
         0,
         "No such file or directory"},
    };
    for (const auto& row : rows) {
        std::filesystem::remove_all(Folder());
        Install(UsersFile);
        if (!row.whileRunning) row.spoil();
        const auto report = "message Could not write the settings file " + File().string() + ": " +
                            row.reason + ".";
        run = std::make_unique<test::Program>(places);
        run->window.Activate();
        auto atStart = row.warnings;
        atStart.insert(atStart.end(), row.reportsAtStart, report);
        EXPECT_EQ(run->platform.Calls, atStart) << row.name;
        if (row.whileRunning) row.spoil();
        const auto before = State();

        run->platform.Calls.clear();
        run->window.Click(TipCheckBox);
        run->window.Close();
        EXPECT_EQ(run->platform.Calls, (std::vector<std::string>{report, report})) << row.name;
        EXPECT_EQ(State(), before) << row.name;
    }
}

} // namespace
} // namespace zindra
