#include "settings/IniFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

namespace zindra {
namespace {

using test::ReadText;
using test::TempFolder;
using test::WriteText;

constexpr const char* Seed = "[TipoftheDay]\nEnabled=1\n; keep me\n[Tips]\n0=A tip\n";

class AtomicWriteTest : public ::testing::Test {
  protected:
    void SetUp() override { WriteText(File(), Seed); }
    std::filesystem::path File() const { return folder / "zindratips.ini"; }

    // The operation stops writing at the refusal: the second key must not
    // arrive even once the obstacle is gone.
    void ExpectRefusedAndStopped(IniFile& ini, const std::function<void()>& removeObstacle) {
        ini.WriteBool("TipoftheDay", "Enabled", false);
        ASSERT_TRUE(ini.WriteError().has_value());
        EXPECT_EQ(ini.WriteError()->File, File());
        EXPECT_NE(ini.WriteError()->Message().find(File().string()), std::string::npos);
        removeObstacle();
        ini.WriteInteger("TipoftheDay", "Position", 5);
        EXPECT_EQ(ReadText(File()), Seed);
        EXPECT_FALSE(std::filesystem::exists(TemporaryFileFor(File())));
    }

    TempFolder folder;
};

TEST_F(AtomicWriteTest, ADirectoryWhereTheTemporaryFileGoesLeavesTheFileIntact) {
    std::filesystem::create_directory(TemporaryFileFor(File()));
    IniFile ini(File());
    ExpectRefusedAndStopped(ini, [&] { std::filesystem::remove(TemporaryFileFor(File())); });
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

    ASSERT_TRUE(ini.WriteError().has_value());
    EXPECT_EQ(ReadText(File()), Seed);
    EXPECT_FALSE(std::filesystem::exists(TemporaryFileFor(File())));
}

TEST_F(AtomicWriteTest, ARemovedFolderIsReportedAndNothingIsCreated) {
    const auto gone = folder / "Zindra";
    IniFile ini(gone / "zindratips.ini");
    ini.WriteInteger("Settings", "Left", 1);
    ini.WriteInteger("Settings", "Top", 2);
    ASSERT_TRUE(ini.WriteError().has_value());
    EXPECT_EQ(ini.WriteError()->File, gone / "zindratips.ini");
    EXPECT_FALSE(std::filesystem::exists(gone));
}

TEST_F(AtomicWriteTest, AnUnreadableFileIsNotReplacedByOneKey) {
    const auto blocked = folder / "blocked.ini";
    std::filesystem::create_directory(blocked);
    IniFile ini(blocked);
    ini.WriteInteger("Settings", "Left", 1);
    EXPECT_TRUE(ini.WriteError().has_value());
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
    ASSERT_FALSE(ini.WriteError().has_value());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(IniFile(File()).ReadInteger("TipoftheDay", "Position", 0), 5);
    EXPECT_EQ(std::filesystem::status(File()).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
}

} // namespace
} // namespace zindra
