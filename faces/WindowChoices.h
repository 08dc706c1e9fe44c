#pragma once

#include "engine/BarOptions.h"

#include <string_view>

namespace zindra {

// The point size a symbology's faces are set at unless the user gives one: the
// window's point-size box starts there, and so do the command line and the
// library. Its digits, as the box holds them (a NUL-terminated literal).
std::string_view DefaultPointSize(Symbology symbology);

// What the window sets on choosing a symbology and variant, for every other way
// in as well: its point size (unless the user gave one) and, for SCC-14 and
// SSCC-18, UCC/EAN (FNC1).
void TakeWindowChoices(BarOptions& options, bool pointSizeGiven);

} // namespace zindra
