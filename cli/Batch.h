#pragma once

#include "cli/BufferedIo.h"
#include "engine/BarOptions.h"

namespace zindra::cli {

// Encodes CSV rows "data[,extra]" (no header) with the choices of `defaults`;
// a row without a second column, or with an empty one, takes the extra text
// of `defaults`. Writes
// the header "data,extra,font_string,error" and one row per input row, in
// order; data is the data text after Make (Bookland writes back its cleaned
// digits). Returns the exit status: 0 when every row encoded, 1 otherwise.
int RunBatch(InputReader& input, OutputBuffer& out, const BarOptions& defaults);

} // namespace zindra::cli
