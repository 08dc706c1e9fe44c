#pragma once

#include "output/LabelStocks.h"

#include <string>

namespace zindra {

// A Rich Text Format document for one label stock: US Letter, a table with
// one cell per label, sized and placed like the labels of the sheet, each
// cell centring what is pasted into it.
std::string LabelTemplateRtf(const LabelStock& stock);

} // namespace zindra
