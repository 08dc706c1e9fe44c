#pragma once

#include "cli/SingleRequest.h"
#include "engine/BarOptions.h"
#include "engine/BarResult.h"

#include <optional>
#include <string>

namespace zindra::cli {

// Writes the sample page of `result` (what the Samples button prints, by the same
// painter) as a one-page PDF at 600 dpi on Letter paper, or A4, with a printable
// area a quarter inch inside the paper's edges. `options` carries the data as the
// encoding read it. Runs its own offscreen Qt session. Returns why the file was not written
// completely, or nothing.
std::optional<WriteFailure> WriteSamplePagePdf(const BarOptions& options, const BarResult& result,
                                               const std::string& path, bool a4);

} // namespace zindra::cli
