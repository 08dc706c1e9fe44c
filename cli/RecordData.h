#pragma once

#include "engine/BarOptions.h"

#include <string_view>

namespace zindra::cli {

// The data of a CSV record as the symbology is to read it. Spreadsheets pad
// numbers with blanks (" 4006381333931 " from a cell formatted as text), which
// no symbology that encodes digits alone can take: they are dropped there,
// and only at the ends. Every other symbology encodes a blank as a blank.
std::string_view RecordData(std::string_view field, Symbology symbology);

// The text without the blanks (spaces and tabs) at its ends.
std::string_view WithoutBlanks(std::string_view text);

} // namespace zindra::cli
