// zindra-encode-sheet: the label sheets of zindra-encode --batch --sheet,
// which need Qt to set the faces into a PDF. zindra-encode hands it those
// runs with their arguments; any other run it does as zindra-encode would.

#include "cli/Program.h"
#include "cli/SheetBatch.h"

#include <unistd.h>

int main(int argc, char** argv) {
    using namespace zindra::cli;
    const auto parsed = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    const auto* line = std::get_if<CommandLine>(&parsed);
    if (!line || line->Mode != RunMode::Batch || line->Sheet.Stock.empty())
        return ProgramMain(argc, argv, QtWriters{});
    OutputBuffer err(STDERR_FILENO);
    const int status = RunSheetBatch(*line, err);
    err.Flush();
    return status;
}
