#pragma once

#include "engine/BarOptions.h"

#include <string>
#include <vector>

namespace zindra {

// The face name of the sample font for the current choices. Reads only the
// symbology, the font type, the size letter, VariantChoice 3..7 and Option2.
std::string SampleFaceName(const BarOptions& choices);

// One face of the sample font set, for the font build and its checks.
struct SampleFace {
    std::string Name;    // "Tessary 39 d HR"
    Symbology symbology; // whose bars it draws
    std::string Family;  // "39": the face name without "Tessary ", size letter and " HR"
    char Size;           // 'a'..'f', or 0 for the single PostNet face
    bool HumanReadable;  // the " HR" faces
};

// Every face SampleFaceName can name, each once, in table order.
std::vector<SampleFace> AllSampleFaces();

} // namespace zindra
