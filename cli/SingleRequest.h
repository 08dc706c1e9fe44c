#pragma once

#include "cli/BufferedIo.h"
#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "engine/BarResult.h"

#include <optional>
#include <string>

namespace zindra::cli {

// Why a writer made no file, and the exit status that tells it: bad usage or
// I/O for what stops any run (a missing face, an unwritable path), a failed
// record for a request that cannot make a usable output (a sample too small to scan at that
// resolution).
struct WriteFailure {
    std::string Message;
    ExitStatus Status = BadUsageOrIo;
};

// Writes the sample of a result as an image file; returns why it could not.
using PngWriter = std::optional<WriteFailure> (*)(const BarOptions& options,
                                                  const BarResult& result, const std::string& path,
                                                  int dpi);

// Writes the sample page of a result as a PDF, on A4 or Letter; returns why it could not.
using SamplePageWriter = std::optional<WriteFailure> (*)(const BarOptions& options,
                                                         const BarResult& result,
                                                         const std::string& path, bool a4);

// The writers that need Qt. zindra-encode has none of them and hands the runs
// that need one to zindra-encode-png, which has both.
struct QtWriters {
    PngWriter Png = nullptr;
    SamplePageWriter SamplePage = nullptr;
};

// Encodes the one DATA of the command line: the plain line (or the JSON
// object with --json) on `out`, an encoding error on `err` (or in the JSON
// object), with --png the image and with --sample-page the page, through `qt`.
// Returns the exit status: 0 success, 1 an encoding error or a sample too small
// to scan, 2 when the image or the page could not be made.
int RunSingleRequest(const CommandLine& line, OutputBuffer& out, OutputBuffer& err, QtWriters qt);

} // namespace zindra::cli
