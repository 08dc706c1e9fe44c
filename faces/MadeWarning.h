#pragma once

#include "engine/BarOptions.h"
#include "faces/SizeAdvice.h"

#include <string>
#include <string_view>

namespace zindra {

// Every warning a made bar code carries, in one text joined by "; ": its printed size
// (SizeWarning), a GS1-128 symbol against GS1 logistics labels, and what the encoding
// itself warned of (`encodingWarning`, the pairings a GS1-128 symbol leaves to others).
// The window's size line, the JSON "warning", the --batch column and stderr all show it.
std::u16string MadeWarning(const BarOptions& choices, const SizeAdvice& advice, int pointSize,
                           std::u16string_view encodingWarning);

// `warning` with `more` after it, joined as above.
void AppendWarning(std::u16string& warning, std::u16string_view more);
// The same in UTF-8, for the warnings bulk runs keep written.
void AppendWarning(std::string& warning, std::u16string_view more);

} // namespace zindra
