#pragma once

#include "engine/BarOptions.h"

#include <string>

namespace zindra {

// The title of the bar code on the sample page's description line, with
// " UCC/EAN" for Code 128 subsets that carry FNC1. Reads the symbology,
// VariantChoice, the font type and Option2.
std::u16string SampleTitle(const BarOptions& choices);

} // namespace zindra
