#include "cli/Batch.h"
#include "cli/BufferedIo.h"
#include "cli/CommandLine.h"
#include "cli/Requests.h"
#include "cli/SingleRequest.h"

#include <unistd.h>

#include <string>
#include <vector>

using namespace zindra::cli;

namespace {

constexpr int UsageStatus = 2;

int Complain(OutputBuffer& err, const std::string& message) {
    err.Text() += "zindra-encode: " + message + "\n";
    return UsageStatus;
}

int RunBulk(const CommandLine& line, OutputBuffer& out, OutputBuffer& err) {
    InputReader input(line.InputPath, [&out] { out.Flush(); });
    if (!input.OpenError().empty()) return Complain(err, input.OpenError());
    const int status = line.Mode == RunMode::Requests ? RunRequests(input, out, line.Options)
                                                      : RunBatch(input, out, line.Options);
    if (!input.ReadError().empty()) return Complain(err, input.ReadError());
    return status;
}

int Run(const std::vector<std::string>& args, OutputBuffer& out, OutputBuffer& err) {
    const auto parsed = ParseCommandLine(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed))
        return Complain(err, usage->Message + " (see --help)");
    const auto& line = std::get<CommandLine>(parsed);
    switch (line.Mode) {
    case RunMode::Help:
        out.Text() += UsageText();
        return 0;
    case RunMode::Version:
        out.Text() += "zindra-encode " ZINDRA_VERSION "\n";
        return 0;
    case RunMode::Single:
        return RunSingleRequest(line, out, err);
    case RunMode::Requests:
    case RunMode::Batch:
        return RunBulk(line, out, err);
    }
    return UsageStatus;
}

} // namespace

int main(int argc, char** argv) {
    OutputBuffer out(STDOUT_FILENO);
    OutputBuffer err(STDERR_FILENO);
    int status = Run(std::vector<std::string>(argv + 1, argv + argc), out, err);
    // An answer that never arrived is not a success.
    if (!out.Flush()) status = Complain(err, "cannot write the output");
    err.Flush();
    return status;
}
