#pragma once

#include "engine/BarOptions.h"
#include "zindra/zindra.h"

#include <optional>
#include <string>
#include <variant>

namespace zindra {

// The choices of a typed request, checked as a request object's would be:
// the enums' values, the variant, the size letter and the UTF-8 of each text.
// The window's choices are taken as a request's are. Why not, when not
// (without the "bad request: " prefix).
std::variant<BarOptions, std::string> OptionsOf(const zindra_request& request);

// The same into `options`, every choice of which it sets: a bulk run reads each
// record into the same choices, whose texts keep their storage. Why not, when not.
std::optional<std::string> ReadOptions(const zindra_request& request, BarOptions& options);

} // namespace zindra
