#include "settings/IniFile.h"

#include "OtherUser.h"
#include "SyncSeam.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace zindra {
namespace {

using test::HangGuard;
using test::Holder;
using test::OtherUid;
using test::ReadText;
using test::TempFolder;
using test::WriteText;
namespace fs = std::filesystem;

constexpr const char* Seed = "[TipoftheDay]\nEnabled=1\n; keep me\n[Tips]\n0=A tip\n";

class AtomicWriteTest : public ::testing::Test {
  protected:
    void SetUp() override { WriteText(File(), Seed); }
    std::filesystem::path File() const { return folder / "zindratips.ini"; }

    // What the folder holds besides the lock file: no temporary file is left.
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.Path()))
            if (entry.path() != LockFileFor(File())) names.insert(entry.path().filename());
        return names;
    }

    // The operation stops writing at the refusal: the second key must not
    // arrive even once the obstacle is gone.
    void ExpectRefusedAndStopped(IniFile& ini, const std::function<void()>& removeObstacle) {
        ini.WriteBool("TipoftheDay", "Enabled", false);
        ASSERT_TRUE(ini.Error().has_value());
        EXPECT_EQ(ini.Error()->File, File());
        EXPECT_NE(ini.Error()->Message().find(File().string()), std::string::npos);
        removeObstacle();
        ini.WriteInteger("TipoftheDay", "Position", 5);
        EXPECT_EQ(ReadText(File()), Seed);
        EXPECT_EQ(Names(), std::set<std::string>{"zindratips.ini"});
    }

    TempFolder folder;
};

TEST_F(AtomicWriteTest, NothingPutAtATemporaryFileNameStopsASave) {
    ZINDRA_REQUIRE_ROOT();
    const HangGuard guard(10);
    // The names a save would use if they could be guessed.
    const auto old = fs::path(File().string() + ".tmp");
    const auto others = fs::path(File().string() + ".XXXXXX");
    const struct {
        const char* name;
        std::function<void(const fs::path&)> put;
    } rows[] = {
        {"a folder", [](const fs::path& at) { fs::create_directory(at); }},
        {"a FIFO", [](const fs::path& at) { ::mkfifo(at.c_str(), 0666); }},
        {"another user's file",
         [](const fs::path& at) {
             WriteText(at, "theirs");
             ASSERT_EQ(::chown(at.c_str(), OtherUid, OtherUid), 0);
         }},
    };
    for (const auto& row : rows) {
        WriteText(File(), Seed);
        for (const auto& at : {old, others})
            row.put(at);
        IniFile ini(File());
        ini.WriteInteger("TipoftheDay", "Position", 5);
        EXPECT_FALSE(ini.Error().has_value()) << row.name;
        EXPECT_EQ(IniFile(File()).ReadInteger("TipoftheDay", "Position", 0), 5) << row.name;
        EXPECT_EQ(Names(),
                  (std::set<std::string>{"zindratips.ini", old.filename(), others.filename()}))
            << row.name;
        for (const auto& at : {old, others})
            fs::remove(at);
    }
}

TEST_F(AtomicWriteTest, AReadOnlyFileIsRefusedEvenForTheSuperUser) {
    std::filesystem::permissions(File(), std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
    IniFile ini(File());
    ExpectRefusedAndStopped(ini, [&] {
        std::filesystem::permissions(File(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    });
    EXPECT_TRUE(IniFile(File()).ReadBool("TipoftheDay", "Enabled", false));
}

TEST_F(AtomicWriteTest, AFullDiskLeavesTheOldFileAndNoTemporaryFile) {
    // A file-size limit makes the temporary file's write fail part way, as a
    // full disk does.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    IniFile ini(File());
    ini.WriteBool("TipoftheDay", "Enabled", false);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(ini.Error().has_value());
    EXPECT_EQ(ReadText(File()), Seed);
    EXPECT_EQ(Names(), std::set<std::string>{"zindratips.ini"});
}

TEST_F(AtomicWriteTest, ARemovedFolderIsReportedAndNothingIsCreated) {
    const auto gone = folder / "Zindra";
    IniFile ini(gone / "zindratips.ini");
    ini.WriteInteger("Settings", "Left", 1);
    ini.WriteInteger("Settings", "Top", 2);
    ASSERT_TRUE(ini.Error().has_value());
    EXPECT_EQ(ini.Error()->File, gone / "zindratips.ini");
    EXPECT_FALSE(std::filesystem::exists(gone));
}

TEST_F(AtomicWriteTest, AnUnreadableFileIsNotReplacedByOneKey) {
    const auto blocked = folder / "blocked.ini";
    std::filesystem::create_directory(blocked);
    IniFile ini(blocked);
    ini.WriteInteger("Settings", "Left", 1);
    EXPECT_TRUE(ini.Error().has_value());
    EXPECT_TRUE(std::filesystem::is_directory(blocked));
}

TEST_F(AtomicWriteTest, AReplacedFileKeepsItsPermissionsAndItsLink) {
    std::filesystem::permissions(File(), std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write |
                                             std::filesystem::perms::group_read);
    const auto link = folder / "link.ini";
    std::filesystem::create_symlink(File(), link);

    IniFile ini(link);
    ini.WriteInteger("TipoftheDay", "Position", 5);
    ASSERT_FALSE(ini.Error().has_value());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(IniFile(File()).ReadInteger("TipoftheDay", "Position", 0), 5);
    EXPECT_EQ(std::filesystem::status(File()).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}

TEST_F(AtomicWriteTest, ANewFileGetsWhatTheUmaskAllowsAndAnOldOneKeepsItsMode) {
    const struct {
        mode_t umask;
        const char* existing; // the mode of a file already there, or nullptr
        fs::perms after;
    } rows[] = {
        {022, nullptr, fs::perms(0644)}, {077, nullptr, fs::perms(0600)},
        {002, nullptr, fs::perms(0664)}, {077, "0640", fs::perms(0640)},
        {000, "0600", fs::perms(0600)},
    };
    for (const auto& row : rows) {
        fs::remove(File());
        if (row.existing) {
            WriteText(File(), Seed);
            fs::permissions(File(), fs::perms(std::stoi(row.existing, nullptr, 8)));
        }
        const mode_t old = ::umask(row.umask);
        IniFile ini(File());
        ini.WriteInteger("TipoftheDay", "Position", 1);
        ini.WriteInteger("TipoftheDay", "Position", 2); // a second save keeps the first's mode
        ::umask(old);
        EXPECT_FALSE(ini.Error().has_value());
        EXPECT_EQ(fs::status(File()).permissions(), row.after)
            << "umask " << row.umask << ", existing " << (row.existing ? row.existing : "none");
    }
}

TEST_F(AtomicWriteTest, ALinkIsFollowedOnlyToARegularFileWhenBothAreTheUsersOwn) {
    ZINDRA_REQUIRE_ROOT();
    const auto target = folder / "target.ini";
    const auto chownLink = [](const fs::path& link) {
        ASSERT_EQ(::lchown(link.c_str(), OtherUid, OtherUid), 0);
    };
    const struct {
        const char* name;
        std::function<void()> make; // makes File() a link
        bool followed;
    } rows[] = {
        {"the user's link to the user's file", [&] { fs::create_symlink(target, File()); }, true},
        {"a chain of the user's links",
         [&] {
             fs::create_symlink(target, folder / "middle.ini");
             fs::create_symlink("middle.ini", File()); // relative to the link's folder
         },
         true},
        {"another user's link",
         [&] {
             fs::create_symlink(target, File());
             chownLink(File());
         },
         false},
        {"another user's link in a chain",
         [&] {
             fs::create_symlink(target, folder / "middle.ini");
             chownLink(folder / "middle.ini");
             fs::create_symlink(folder / "middle.ini", File());
         },
         false},
        {"a link to another user's file",
         [&] {
             ASSERT_EQ(::chown(target.c_str(), OtherUid, OtherUid), 0);
             fs::create_symlink(target, File());
         },
         false},
        {"a link to a folder",
         [&] {
             fs::remove(target);
             fs::create_directory(target);
             fs::create_symlink(target, File());
         },
         false},
        {"a link to a FIFO",
         [&] {
             fs::remove(target);
             ::mkfifo(target.c_str(), 0600);
             fs::create_symlink(target, File());
         },
         false},
        {"a link to nothing",
         [&] {
             fs::remove(target);
             fs::create_symlink(target, File());
         },
         false},
    };
    const HangGuard guard(10);
    for (const auto& row : rows) {
        for (const auto& entry : fs::directory_iterator(folder.Path()))
            fs::remove_all(entry.path());
        WriteText(target, Seed);
        row.make();
        const auto type = fs::symlink_status(target).type();
        IniFile ini(File());
        ini.WriteInteger("TipoftheDay", "Position", 5);
        EXPECT_EQ(!ini.Error().has_value(), row.followed) << row.name;
        EXPECT_TRUE(fs::is_symlink(File())) << row.name;
        EXPECT_EQ(fs::symlink_status(target).type(), type) << row.name;
        if (type == fs::file_type::regular) {
            EXPECT_EQ(ReadText(target).find("Position=5") != std::string::npos, row.followed)
                << row.name;
        }
    }
}

TEST_F(AtomicWriteTest, AFifoAsTheSettingsFileIsRefusedWithoutWaiting) {
    const HangGuard guard(10);
    fs::remove(File());
    ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
    IniFile ini(File());
    EXPECT_FALSE(ini.SectionExists("TipoftheDay"));
    ASSERT_TRUE(ini.Error().has_value());
    EXPECT_EQ(ini.Error()->Message(), "Could not read the settings file " + File().string() +
                                          ": It is not a regular file.");
    IniFile writer(File());
    writer.WriteBool("TipoftheDay", "Enabled", false);
    ASSERT_TRUE(writer.Error().has_value());
    EXPECT_FALSE(writer.Error()->Reading);
    EXPECT_EQ(fs::status(File()).type(), fs::file_type::fifo);
}

TEST_F(AtomicWriteTest, AnotherUserLockingTheFolderOrItsFilesCannotHoldASaveUp) {
    ZINDRA_REQUIRE_ROOT();
    const HangGuard guard(10);
    fs::permissions(folder.Path(), fs::perms(0755)); // others may open the folder
    // Another user takes every lock within reach: the folder's and the file's.
    const Holder other(OtherUid, [&] {
        for (const auto& path : {folder.Path(), File()}) {
            const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0 || ::flock(fd, LOCK_EX) != 0) ::_exit(3);
        }
    });
    IniFile ini(File());
    ini.WriteInteger("TipoftheDay", "Position", 5);
    EXPECT_FALSE(ini.Error().has_value());
    EXPECT_EQ(IniFile(File()).ReadInteger("TipoftheDay", "Position", 0), 5);

    // The lock file is the user's alone: another user cannot open it to lock it.
    const auto lock = LockFileFor(File());
    EXPECT_EQ(fs::status(lock).permissions(), fs::perms(0600));
    EXPECT_EQ(test::ExitStatusAs(OtherUid, [&] { return ::open(lock.c_str(), O_RDONLY) < 0; }), 1);
}

TEST_F(AtomicWriteTest, ALockHeldTooLongOrPlantedByAnotherUserIsReportedNotWaitedOn) {
    ZINDRA_REQUIRE_ROOT();
    const HangGuard guard(20);
    const auto lock = LockFileFor(File());
    const auto report = [&](const std::string& reason) {
        return "Could not write the settings file " + File().string() + ": " + reason + ".";
    };
    {
        // The user's own other program that never lets go.
        const Holder stuck(::geteuid(), [&] {
            const int fd = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
            if (fd < 0 || ::flock(fd, LOCK_EX) != 0) ::_exit(3);
        });
        IniFile ini(File());
        ini.WriteInteger("TipoftheDay", "Position", 5);
        ini.WriteInteger("TipoftheDay", "Maximum", 5); // no second wait
        ASSERT_TRUE(ini.Error().has_value());
        EXPECT_EQ(ini.Error()->Message(), report("Another program keeps it locked"));
        EXPECT_EQ(ReadText(File()), Seed);
    }
    fs::remove(lock);
    WriteText(lock, "");
    ASSERT_EQ(::chown(lock.c_str(), OtherUid, OtherUid), 0);
    IniFile ini(File());
    ini.WriteInteger("TipoftheDay", "Position", 5);
    ASSERT_TRUE(ini.Error().has_value());
    EXPECT_EQ(ini.Error()->Message(),
              report("Its lock file " + lock.string() + " is not a file of your own"));
    EXPECT_EQ(ReadText(File()), Seed);
}

TEST_F(AtomicWriteTest, TheNewContentReachesTheDiskBeforeItReplacesTheFile) {
    test::TakeSyncedFiles();
    IniFile ini(File());
    ini.WriteInteger("TipoftheDay", "Position", 5);
    ASSERT_FALSE(ini.Error().has_value());
    const auto synced = test::TakeSyncedFiles();
    struct stat file {
    }, dir{};
    ASSERT_EQ(::stat(File().c_str(), &file), 0);
    ASSERT_EQ(::stat(folder.Path().c_str(), &dir), 0);
    // The file now in place was flushed whole, then the folder holding its name.
    const auto whole = std::ranges::find_if(synced, [&](const test::SyncedFile& s) {
        return !s.folder && s.device == file.st_dev && s.inode == file.st_ino &&
               s.size == file.st_size;
    });
    EXPECT_NE(whole, synced.end());
    EXPECT_TRUE(std::any_of(whole, synced.end(), [&](const test::SyncedFile& s) {
        return s.folder && s.inode == dir.st_ino;
    }));
}

TEST_F(AtomicWriteTest, AFileOverOneMegabyteIsRefusedAndLeftAsItIs) {
    const std::string head = "[TipoftheDay]\nEnabled=1\n";
    const struct {
        std::size_t size;
        bool refused;
    } rows[] = {
        {LargestSettingsFile - 100, false}, // room for the key a write adds
        {LargestSettingsFile + 1, true},
        {10 * LargestSettingsFile, true},
    };
    for (const auto& row : rows) {
        const auto text = head + std::string(row.size - head.size(), '\n');
        WriteText(File(), text);
        IniFile ini(File());
        EXPECT_EQ(ini.ReadBool("TipoftheDay", "Enabled", false), !row.refused) << row.size;
        ini.WriteInteger("Settings", "Left", 1);
        EXPECT_EQ(ini.Error().has_value(), row.refused) << row.size;
        if (!row.refused) continue;
        EXPECT_EQ(ini.Error()->Message(), "Could not read the settings file " + File().string() +
                                              ": It is larger than 1 MB; it was left as it is.");
        EXPECT_EQ(ReadText(File()), text);
    }
}

} // namespace
} // namespace zindra
