#include "cli/SingleRequest.h"

#include "cli/ExitStatus.h"
#include "engine/Utf8.h"
#include "library/client/LibraryClient.h"

namespace zindra::cli {
namespace {

ExitStatus ComplainWith(OutputBuffer& err, const WriteFailure& failure) {
    Complain(err, failure.Message);
    return failure.Status;
}

} // namespace

int RunSingleRequest(const CommandLine& line, OutputBuffer& out, OutputBuffer& err, QtWriters qt) {
    const LibraryResult outcome(line.Options);
    const std::optional<BarResult> made = outcome.Made();
    const BarResult* result = made ? &*made : nullptr;

    if (result && qt.Png && !line.PngPath.empty()) {
        if (auto failure = qt.Png(line.Options, *result, line.PngPath, line.Dpi)) {
            return ComplainWith(err, *failure);
        }
    }
    if (result && qt.SamplePage && !line.SamplePagePath.empty()) {
        BarOptions choices = line.Options;
        choices.DataText = outcome.DataText();
        if (auto failure = qt.SamplePage(choices, *result, line.SamplePagePath, line.PaperA4)) {
            return ComplainWith(err, *failure);
        }
    }

    if (line.Json) {
        out.Text() += outcome.Json();
        out.Text().push_back('\n');
    } else if (result) {
        AppendUtf8(result->BarTextOut(), out.Text());
        out.Text().push_back('\n');
        // A warning, not a failure: the symbol is made and the status stays.
        if (const std::string_view warning = outcome->warning; !warning.empty())
            err.Text().append("zindra-encode: warning: ").append(warning).append("\n");
    } else {
        err.Text() += Shown({outcome->error, outcome->error_length});
        err.Text().push_back('\n');
    }
    return ExitFor(result != nullptr);
}

} // namespace zindra::cli
