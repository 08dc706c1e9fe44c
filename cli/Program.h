#pragma once

#include "cli/BufferedIo.h"
#include "cli/SingleRequest.h"

#include <string>
#include <vector>

namespace zindra::cli {

// The whole of zindra-encode after the arguments are split: parses them, runs
// the mode they ask for and returns the exit status. Without the Qt writers
// (zindra-encode itself, which links no Qt so that bulk runs start fast) a
// run with --png or --sample-page is handed to the zindra-encode-png program
// beside it, and a --sheet run to zindra-encode-sheet, with the same arguments.
int RunProgram(const std::vector<std::string>& args, OutputBuffer& out, OutputBuffer& err,
               QtWriters qt);

// main() of both programs: runs, then makes sure the output was written.
int ProgramMain(int argc, char** argv, QtWriters qt);

} // namespace zindra::cli
