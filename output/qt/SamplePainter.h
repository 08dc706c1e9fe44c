#pragma once

#include "output/SamplePage.h"

#include <optional>
#include <string>

class QPaintDevice;

namespace zindra {

// Why the sample page cannot be drawn: its bar face is not installed, so the
// bar codes would come out as plain text in some other font. Nothing otherwise.
std::optional<std::string> MissingSampleFace(const SamplePageInput& input);

// Draws the sample page on a paint device (a printer, a PDF writer) at the
// device's own resolution, each text placed by its top-left corner. The bar
// codes are drawn in the bar face alone, every other text in its text face,
// with control characters shown as \xNN rather than looked up in a bar face.
void PaintSamplePage(QPaintDevice& device, const SamplePageInput& input);

} // namespace zindra
