#pragma once

#include "cli/BufferedIo.h"
#include "cli/Csv.h"
#include "cli/CsvColumns.h"
#include "cli/CsvOptions.h"

#include <functional>
#include <optional>
#include <string>

namespace zindra::cli {

using RecordHandler = std::function<void(const CsvRecord&, const CsvColumns&)>;

// Reads all of `input` as CSV as `csv` says: turned into UTF-8 from its
// character set, split at its delimiter, given or decided from the first
// records; with --header its first record names the columns and goes no
// further. `onRecord` gets every other record with the columns to read
// (`sheet`: those of a sheet run). `onWarning` hears of a doubtful guess once,
// before the first record. Returns why the input cannot be read at all, if
// it cannot: nothing more is handed over then.
std::optional<std::string> ReadCsv(InputReader& input, const CsvChoices& csv, bool sheet,
                                   const RecordHandler& onRecord,
                                   const std::function<void(const std::string&)>& onWarning);

} // namespace zindra::cli
