#pragma once

#include "cli/SingleRequest.h"
#include "engine/BarOptions.h"
#include "engine/BarResult.h"

#include <optional>
#include <string>

namespace zindra::cli {

// Sets the sample of `result` in its face (SampleFaceName of `options`) at
// SampleSize points and writes it as a PNG of `dpi` dots per inch, with a
// white margin of at least ten narrow modules on every side. The SCC/SSCC
// human-readable line, when the sample holds one, goes under the bars in
// "Arial" at PointSize * 7 / 24 points. Runs its own QGuiApplication
// (offscreen unless the user chose a platform), so it needs no display.
// Refuses, as a failed record, a size whose narrow bar would be under two
// pixels at `dpi`. Returns why no image was written, or nothing on success.
std::optional<WriteFailure> WriteSamplePng(const BarOptions& options, const BarResult& result,
                                           const std::string& path, int dpi);

} // namespace zindra::cli
