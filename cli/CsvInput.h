#pragma once

#include "cli/BufferedIo.h"
#include "cli/Csv.h"
#include "cli/CsvOptions.h"

#include <functional>
#include <optional>
#include <string>

namespace zindra::cli {

// Reads all of `input` as CSV as `csv` says: turned into UTF-8 from its
// character set, split at its delimiter, given or decided from the first
// records. `onWarning` hears of a doubtful guess once, before the first
// record. Returns why the input cannot be read at all, if it cannot.
std::optional<std::string> ReadCsv(InputReader& input, const CsvChoices& csv,
                                   const std::function<void(const CsvRecord&)>& onRecord,
                                   const std::function<void(const std::string&)>& onWarning);

} // namespace zindra::cli
