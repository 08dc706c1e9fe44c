#pragma once

#include "output/SamplePage.h"

class QPaintDevice;

namespace zindra {

// Draws the sample page on a paint device (a printer, a PDF writer) at the
// device's own resolution, each text placed by its top-left corner.
void PaintSamplePage(QPaintDevice& device, const SamplePageInput& input);

} // namespace zindra
