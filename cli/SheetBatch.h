#pragma once

#include "cli/BufferedIo.h"
#include "cli/CommandLine.h"

namespace zindra::cli {

// A --batch run with --sheet: reads the CSV records of line.InputPath and
// writes them as label sheets to line.Sheet.PdfPath. Records that fail to
// encode or do not fit a label scannably leave their labels empty and are
// reported on `err` with the line each starts on. Returns the exit status: 0 all printed, 1 some
// left empty, 2 unreadable input, unwritable output or a face that is missing. Runs its own
// QGuiApplication (offscreen unless the user chose a platform) and registers the built faces, so it
// needs neither a display nor the faces installed.
int RunSheetBatch(const CommandLine& line, OutputBuffer& err);

} // namespace zindra::cli
