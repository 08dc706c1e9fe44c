#include "cli/SingleRequest.h"

#include "cli/ExitStatus.h"
#include "cli/ResultJson.h"
#include "cli/SizeJson.h"
#include "engine/EncodeRequest.h"
#include "engine/Utf8.h"

namespace zindra::cli {
namespace {

ExitStatus ComplainWith(OutputBuffer& err, const WriteFailure& failure) {
    Complain(err, failure.Message);
    return failure.Status;
}

} // namespace

int RunSingleRequest(const CommandLine& line, OutputBuffer& out, OutputBuffer& err, QtWriters qt) {
    const RequestOutcome outcome = EncodeRequest(line.Options);
    const auto* result = std::get_if<BarResult>(&outcome.Outcome);

    if (result && qt.Png && !line.PngPath.empty()) {
        if (auto failure = qt.Png(line.Options, *result, line.PngPath, line.Dpi)) {
            return ComplainWith(err, *failure);
        }
    }
    if (result && qt.SamplePage && !line.SamplePagePath.empty()) {
        BarOptions made = line.Options;
        made.DataText = outcome.DataText;
        if (auto failure = qt.SamplePage(made, *result, line.SamplePagePath, line.PaperA4)) {
            return ComplainWith(err, *failure);
        }
    }

    if (line.Json) {
        AppendJson(OutcomeJson(outcome, line.Options), out.Text());
        out.Text().push_back('\n');
    } else if (result) {
        AppendUtf8(result->BarTextOut(), out.Text());
        out.Text().push_back('\n');
        // A warning, not a failure: the symbol is made and the status stays.
        if (const std::string warning = SizeWarningOf(line.Options, *result); !warning.empty())
            err.Text() += "zindra-encode: warning: " + warning + "\n";
    } else {
        err.Text() += Shown(ToUtf8(std::get<EncodeError>(outcome.Outcome).Message));
        err.Text().push_back('\n');
    }
    return ExitFor(result != nullptr);
}

} // namespace zindra::cli
