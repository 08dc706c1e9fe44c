#include "StartUpFixture.h"

#include "OtherUser.h"

#include <functional>
#include <sys/inotify.h>
#include <sys/stat.h>

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

// `lines` comment lines of 100 bytes each.
std::string CommentLines(int lines) {
    const std::string line = "; " + std::string(97, '-') + "\n";
    std::string text;
    text.reserve(line.size() * static_cast<std::size_t>(lines));
    for (int i = 0; i < lines; ++i)
        text += line;
    return text;
}

std::string Report(const char* verb, const std::filesystem::path& file, const char* reason) {
    return std::string("message Could not ") + verb + " the settings file " + file.string() + ": " +
           reason + ".";
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
        // Just under the 1 MB the program reads, with room for what it adds.
        {"a 1 MB file", CommentLines(10'000), ""},
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
        EXPECT_TRUE(text.ends_with("LabelExplain=1\nLabelSheet=5161\n" + row.after)) << row.name;

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
         {Report("read", File(), "Is a directory")},
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

TEST_F(StartUpBadFileTest, AFileOverOneMegabyteIsReportedAndLeftAlone) {
    Install(UsersFile + CommentLines(11'000)); // 1.1 MB
    const auto before = ReadText(File());
    run = std::make_unique<test::Program>(places);
    run->window.Activate();
    EXPECT_EQ(run->platform.Calls,
              std::vector<std::string>{
                  Report("read", File(), "It is larger than 1 MB; it was left as it is")});
    EXPECT_TRUE(run->window.Checked(Radio39));

    run->platform.Calls.clear();
    run->window.Close();
    EXPECT_EQ(run->platform.Calls,
              std::vector<std::string>{
                  Report("write", File(), "It is larger than 1 MB; it was left as it is")});
    EXPECT_EQ(ReadText(File()), before);
}

TEST_F(StartUpBadFileTest, AFifoAsTheSettingsFileFreezesNothing) {
    const test::HangGuard guard(10);
    std::filesystem::create_directories(Folder());
    ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
    run->window.Activate();
    run->window.Close();
    EXPECT_EQ(run->platform.Calls,
              (std::vector<std::string>{Report("read", File(), "It is not a regular file"),
                                        Report("write", File(), "It is not a regular file")}));
    EXPECT_EQ(std::filesystem::status(File()).type(), std::filesystem::file_type::fifo);
}

// Counts the times the settings file is opened, through the kernel's own
// record of the folder.
class OpenCounter {
  public:
    explicit OpenCounter(const std::filesystem::path& file)
        : name_(file.filename()), fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        // Closes between the opens keep the kernel from merging two opens into one event.
        ::inotify_add_watch(fd_, file.parent_path().c_str(), IN_OPEN | IN_CLOSE);
    }
    ~OpenCounter() { ::close(fd_); }
    int Take() {
        int opens = 0;
        alignas(inotify_event) char buffer[64 * 1024];
        for (ssize_t got; (got = ::read(fd_, buffer, sizeof buffer)) > 0;) {
            for (char* at = buffer; at < buffer + got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                opens += (event->mask & IN_OPEN) && event->len > 0 && name_ == event->name;
                at += sizeof(inotify_event) + event->len;
            }
        }
        return opens;
    }

  private:
    std::string name_;
    int fd_;
};

TEST_F(StartUpBadFileTest, EachOperationReadsTheFileOnce) {
    Install(std::string(test::TipData) + "[Settings]\nType=93\n");
    OpenCounter opens(File());
    run->window.Activate();
    // The restore, then the tip window's own showing.
    EXPECT_EQ(opens.Take(), 2);
    run->window.Close();
    EXPECT_EQ(opens.Take(), 1);
}

} // namespace
} // namespace zindra
