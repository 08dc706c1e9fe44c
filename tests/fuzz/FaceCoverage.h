#pragma once

#include <bitset>
#include <map>
#include <string>

namespace zindra::fuzz {

// Which of the codes 0..255 each built face has a glyph for, read from the
// font files themselves so the check follows whatever the font build made.
using Coverage = std::bitset<256>;

// Face name -> coverage, for every .ttf in `folder`. Empty when none is found.
std::map<std::string, Coverage> ReadFaceCoverage(const std::string& folder);

} // namespace zindra::fuzz
