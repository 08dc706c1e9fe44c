#pragma once

#include "zindra/zindra.h"

#include <string>

namespace zindra {

// The typed answer to a request (NULL: a bad request that says so), and its
// JSON object, as zindra_encode() answers. Throw only for want of memory.
zindra_result* MakeResult(const zindra_request* request);
std::string ResultJson(const zindra_result& result);
void FreeResult(zindra_result* result) noexcept;

} // namespace zindra
