#pragma once

#include "engine/BarResult.h"

#include <string_view>

namespace zindra {

// CodabarLegal: every character the Codabar font draws (the character set of
// ANSI/AIM BC3), in either case; each draws itself
inline constexpr std::u16string_view CodabarLegal = u"0123456789ABCDabcd$+-./:";

EncodeOutcome EncodeCodabar(std::u16string_view data);

} // namespace zindra
