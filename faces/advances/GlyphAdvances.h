#pragma once

#include <span>
#include <string_view>

namespace zindra {

// How far one glyph of a family advances and where its bars lie, in the glyph
// maps' units from the glyph's origin. InkLeft == InkRight: no bars (a quiet zone,
// text only). Generated from the font generator's glyph maps.
struct GlyphAdvance {
    char16_t Code;
    double Advance;
    double InkLeft;
    double InkRight;
    bool BearerWide; // as wide as the face's bearer (given here for a 1-module bearer)
};

struct FamilyAdvances {
    std::string_view Family; // as in the face table: "39", "Code 128ABhr"
    double UnitsPerModule; // glyph-map units in one module (PostNet draws on a quarter-module grid)
    std::span<const GlyphAdvance> Glyphs; // by code
};

std::span<const FamilyAdvances> AllFamilyAdvances();

} // namespace zindra
