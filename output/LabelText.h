#pragma once

#include "engine/BarOptions.h"

#include <string>
#include <string_view>

namespace zindra {

// The line printed under a label's bars, in UTF-8, for a person to read and
// key in when the bars will not scan: the data without the check character
// that the symbology adds (a person keying "MG-20026" for "MG-2002" gets it
// wrong). SCC-14, SSCC-18 and GS1-128 print their application identifiers in
// parentheses and keep their GS1 check digits, which are part of the numbers.
// EAN and UPC faces print their digits themselves, where the GS1 rules place
// them and with the check digit they ask for, so they get no line: empty.
// `dataText` and `humanText` are the result's data and human-readable text.
std::string HumanReadableLine(Symbology symbology, int variantChoice, std::string_view dataText,
                              std::string_view humanText);

// The choices with the bar-only face where the label prints its own line
// under the bars: a face's text would show the check character, and twice.
BarOptions WithBarOnlyFace(BarOptions choices);

} // namespace zindra
