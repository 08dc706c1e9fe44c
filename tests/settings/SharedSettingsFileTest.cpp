#include "settings/IniFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace zindra {
namespace {

using test::ReadText;
using test::TempFolder;
using test::WriteText;

constexpr int Rounds = 30;
constexpr int KeysPerProgram = 4;

std::string OwnKey(int program, int key) {
    return "Program" + std::to_string(program) + "Key" + std::to_string(key);
}

std::u16string SharedValue(int program, int round) {
    const auto text = "program " + std::to_string(program) + " round " + std::to_string(round);
    return {text.begin(), text.end()};
}

// One program's run: its own keys and one key both programs write, round
// after round, each write a separate operation as the program makes them.
// Exits 0 when no write was refused.
[[noreturn]] void WriteRounds(const std::filesystem::path& file, int program) {
    bool refused = false;
    for (int round = 0; round < Rounds; ++round) {
        for (int key = 0; key < KeysPerProgram; ++key) {
            IniFile ini(file);
            ini.WriteInteger("Settings", OwnKey(program, key), round);
            refused = refused || ini.Error();
        }
        IniFile ini(file);
        ini.WriteString("Settings", "Data", SharedValue(program, round));
        refused = refused || ini.Error();
    }
    ::_exit(refused ? 1 : 0);
}

TEST(SharedSettingsFileTest, TwoProgramsWritingAtOnceLoseNoKey) {
    TempFolder folder;
    const auto file = folder / "zindratips.ini";
    WriteText(file, "[TipoftheDay]\nEnabled=1\n[Settings]\nType=93\n");

    std::array<pid_t, 2> programs{};
    for (int program = 0; program < 2; ++program) {
        programs[program] = ::fork();
        ASSERT_GE(programs[program], 0);
        if (programs[program] == 0) WriteRounds(file, program);
    }
    // A reader at the same time sees a whole file every time, never a part.
    int torn = 0, reads = 0;
    std::array<int, 2> status{};
    std::array<bool, 2> ended{};
    while (!ended[0] || !ended[1]) {
        ++reads;
        if (!IniFile(file).SectionExists("TipoftheDay")) ++torn;
        for (int program = 0; program < 2; ++program)
            ended[program] =
                ended[program] || ::waitpid(programs[program], &status[program], WNOHANG) != 0;
    }
    for (const int exit : status)
        EXPECT_TRUE(WIFEXITED(exit) && WEXITSTATUS(exit) == 0);
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";

    const IniFile ini(file);
    for (int program = 0; program < 2; ++program)
        for (int key = 0; key < KeysPerProgram; ++key)
            EXPECT_EQ(ini.ReadInteger("Settings", OwnKey(program, key), -1), Rounds - 1)
                << OwnKey(program, key);
    const auto data = ini.ReadString("Settings", "Data", u"");
    EXPECT_TRUE(data == SharedValue(0, Rounds - 1) || data == SharedValue(1, Rounds - 1));
    EXPECT_EQ(ini.ReadString("Settings", "Type", u""), u"93");

    // Every line whole: one header per section, one line per key.
    std::istringstream lines(ReadText(file));
    int headers = 0, keyLines = 0;
    for (std::string line; std::getline(lines, line);) {
        headers += line.starts_with('[');
        keyLines += !line.starts_with('[') && line.find('=') != std::string::npos;
    }
    EXPECT_EQ(headers, 2);
    EXPECT_EQ(keyLines, 1 + 1 + 2 * KeysPerProgram + 1); // Enabled, Type, own keys, Data
    // No temporary file left behind: the file and its lock only.
    std::vector<std::filesystem::path> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        left.push_back(entry.path());
    std::ranges::sort(left);
    EXPECT_EQ(left, (std::vector{file, LockFileFor(file)}));
}

} // namespace
} // namespace zindra
