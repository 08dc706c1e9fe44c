#pragma once

#include "engine/BarOptions.h"

#include <string_view>

namespace zindra {

// The point size a symbology's faces are set at unless the user gives one: the
// window's point-size box starts there, and so do the command line and the
// library. Text, as the box holds it.
std::u16string_view DefaultPointSize(Symbology symbology);

} // namespace zindra
