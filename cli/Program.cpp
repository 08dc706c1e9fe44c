#include "cli/Program.h"

#include "cli/Batch.h"
#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/Requests.h"
#include "output/SheetStocks.h"
#include "product/Version.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace zindra::cli {
namespace {

constexpr char PngProgram[] = "zindra-encode-png";
constexpr char SheetProgram[] = "zindra-encode-sheet";

int RunBulk(const CommandLine& line, OutputBuffer& out, OutputBuffer& err) {
    InputReader input(line.InputPath, [&out] { out.Flush(); });
    if (!input.OpenError().empty()) return Complain(err, input.OpenError());
    const int status = line.Mode == RunMode::Requests
                           ? RunRequests(input, out, line.Options, line.Sheet.PointSizeGiven)
                           : RunBatch(input, out, err, line.Options, line.Csv);
    if (!input.ReadError().empty()) return Complain(err, input.ReadError());
    return status;
}

// A Qt program of ours: installed in the helper folder (libexec/zindra, found
// from bin/ by the relative path the build computed), or beside this program
// in the build tree.
std::string HelperPath(const char* name) {
    std::error_code ignored;
    const auto here = std::filesystem::read_symlink("/proc/self/exe", ignored).parent_path();
    const auto installed = (here / ZINDRA_HELPER_DIR_FROM_BIN / name).lexically_normal();
    const auto beside = here / name;
    return (std::filesystem::exists(installed, ignored) ? installed : beside).string();
}

// Replaces this process by the helper program `name` with the same arguments;
// returns only when that could not be done. Nothing has been written yet, so
// the other program's output is all the caller sees.
int HandToProgram(const char* name, const std::vector<std::string>& args, OutputBuffer& err) {
    const std::string program = HelperPath(name);
    std::vector<std::string> storage{program};
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : storage)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    return Complain(err, "cannot run '" + program + "': " + std::strerror(errno));
}

} // namespace

int RunProgram(const std::vector<std::string>& args, OutputBuffer& out, OutputBuffer& err,
               QtWriters qt) {
    const auto parsed = ParseCommandLine(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed))
        return Complain(err, usage->Message + " (see --help)");
    const auto& line = std::get<CommandLine>(parsed);
    switch (line.Mode) {
    case RunMode::Help:
        out.Text() += UsageText();
        return AllEncoded;
    case RunMode::Version:
        out.Text() += "zindra-encode " ZINDRA_VERSION "\n";
        return AllEncoded;
    case RunMode::Single:
        if ((!line.PngPath.empty() && !qt.Png) || (!line.SamplePagePath.empty() && !qt.SamplePage))
            return HandToProgram(PngProgram, args, err);
        return RunSingleRequest(line, out, err, qt);
    case RunMode::SheetList:
        out.Text() += SheetStockList();
        return AllEncoded;
    case RunMode::Batch:
        if (!line.Sheet.Stock.empty()) return HandToProgram(SheetProgram, args, err);
        return RunBulk(line, out, err);
    case RunMode::Requests:
        return RunBulk(line, out, err);
    }
    return BadUsageOrIo;
}

int ProgramMain(int argc, char** argv, QtWriters qt) {
    OutputBuffer out(STDOUT_FILENO);
    OutputBuffer err(STDERR_FILENO);
    int status = RunProgram(std::vector<std::string>(argv + 1, argv + argc), out, err, qt);
    // An answer that never arrived is not a success.
    if (!out.Flush()) status = Complain(err, "cannot write the output");
    err.Flush();
    return status;
}

} // namespace zindra::cli
