#pragma once

#include "engine/BarOptions.h"
#include "engine/BarResult.h"

namespace zindra {

// Interleaved 2 of 5 and, with FontType::Itf14, ITF-14.
EncodeOutcome EncodeInterleaved25(std::u16string_view data, FontType fontType,
                                  bool OptionalChecksum, bool Option2);

} // namespace zindra
