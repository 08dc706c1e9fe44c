#pragma once

#include "output/SamplePage.h"

class QPaintDevice;

namespace zindra {

// Draws the sample page on a paint device (a printer, a PDF writer) at the
// device's own resolution, each text placed by its top-left corner. The bar
// codes are drawn in the bar face alone, every other text in its text face,
// with control characters shown as \xNN rather than looked up in a bar face.
void PaintSamplePage(QPaintDevice& device, const SamplePageInput& input);

} // namespace zindra
