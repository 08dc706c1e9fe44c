#pragma once

#include "engine/BarResult.h"

#include <string>
#include <string_view>

namespace zindra {

struct BooklandOutcome {
    std::u16string CleanedData;  // written back into the data field in every case
    EncodeOutcome Outcome;
};

BooklandOutcome EncodeBookland(std::u16string_view data, std::u16string_view extra);

} // namespace zindra
