#pragma once

// Runs the built zindra-encode with arguments and a standard input, and
// collects what it printed and how it ended.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace zindra::test {

struct ProgramRun {
    int Status = -1; // the exit status, or -1 when it did not exit normally
    std::string Out;
    std::string Err;
};

// A folder of this test process's own, removed when the process ends.
struct ScratchFolder {
    std::filesystem::path Path =
        std::filesystem::temp_directory_path() / ("zindra-cli-tests-" + std::to_string(::getpid()));
    ScratchFolder() { std::filesystem::create_directories(Path); }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(Path, ignored);
    }
};

inline std::filesystem::path ScratchFile(const std::string& name) {
    static const ScratchFolder folder;
    return folder.Path / name;
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// `stdoutPath` lets a test send the output somewhere that fails (/dev/full).
inline ProgramRun RunEncoder(const std::vector<std::string>& args, const std::string& input = "",
                             const std::string& stdoutPath = "") {
    const auto in = ScratchFile("stdin");
    const auto out = stdoutPath.empty() ? ScratchFile("stdout").string() : stdoutPath;
    const auto err = ScratchFile("stderr");
    WriteFile(in, input);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> storage{ZINDRA_ENCODE};
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& arg : storage)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    ProgramRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, ZINDRA_ENCODE, &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (WIFEXITED(status)) run.Status = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    if (stdoutPath.empty()) run.Out = ReadFile(out);
    run.Err = ReadFile(err);
    return run;
}

} // namespace zindra::test
