#pragma once

#include "cli/BufferedIo.h"
#include "cli/CsvOptions.h"
#include "engine/BarOptions.h"

namespace zindra::cli {

// Encodes CSV rows "data[,extra[,...]]" (no header; further columns are not
// read), read as `csv` says, with the choices of `defaults`; a row without a
// second column, or with an empty one, takes the extra text of `defaults`.
// Writes the header "data,extra,font_string,error,warning,face" and one row
// per input row, in order; data is the data text after Make (Bookland writes
// back its cleaned digits), face the font to set font_string in. Warnings go to `err`. Returns the
// exit status: 0 when every row encoded, 1 otherwise.
int RunBatch(InputReader& input, OutputBuffer& out, OutputBuffer& err, const BarOptions& defaults,
             const CsvChoices& csv);

} // namespace zindra::cli
