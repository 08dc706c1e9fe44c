#pragma once

#include "cli/CsvOptions.h"
#include "cli/SheetOptions.h"
#include "engine/BarOptions.h"

#include <string>
#include <variant>
#include <vector>

namespace zindra::cli {

enum class RunMode { Single, Requests, Batch, Help, Version, SheetList };

// What the command line asks for. Options holds the choices every request
// starts from; in Single mode its DataText is DATA.
struct CommandLine {
    RunMode Mode = RunMode::Single;
    BarOptions Options;
    std::string InputPath; // --requests / --batch: a file, or "-" for standard input
    bool Json = false;
    std::string PngPath; // empty: no image
    int Dpi = 600;
    std::string SamplePagePath; // empty: no sample page
    bool PaperA4 = false;       // the sample page on A4 instead of Letter
    SheetChoices Sheet;         // with --batch: label sheets instead of CSV
    CsvChoices Csv;             // with --batch: how its CSV is read
};

struct UsageError {
    std::string Message;
};

// Reads the arguments after the program name. Never prints and never throws.
std::variant<CommandLine, UsageError> ParseCommandLine(const std::vector<std::string>& args);

// The text of --help.
std::string UsageText();

} // namespace zindra::cli
