#pragma once

#include "engine/BarOptions.h"

#include <string>
#include <vector>

namespace zindra {

// The choices a face name reads: the symbology, the font type, the size letter,
// VariantChoice and Option2.
struct FaceChoices {
    Symbology symbology;
    FontType fontType;
    char size;
    int variant;
    bool option2;
    bool operator==(const FaceChoices&) const = default;
};
FaceChoices FaceChoicesOf(const BarOptions& choices);

// The face name of the sample font for the current choices (only their FaceChoices).
std::string SampleFaceName(const BarOptions& choices);

// The same name as this thread keeps it for its last choices, so that a bulk run, which
// asks for one face record after record, copies it nowhere; valid until the next call.
const std::string& KeptSampleFaceName(const BarOptions& choices);

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
