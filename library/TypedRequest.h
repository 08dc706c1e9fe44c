#pragma once

#include "engine/BarOptions.h"
#include "zindra/zindra.h"

#include <string>
#include <variant>

namespace zindra {

// The choices of a typed request, checked as a request object's would be:
// the enums' values, the variant, the size letter and the UTF-8 of each text.
// The window's choices are taken as a request's are. Why not, when not
// (without the "bad request: " prefix).
std::variant<BarOptions, std::string> OptionsOf(const zindra_request& request);

} // namespace zindra
