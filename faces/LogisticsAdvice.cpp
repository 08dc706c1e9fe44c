#include "faces/LogisticsAdvice.h"

#include "faces/FaceGeometry.h"
#include "faces/SampleFaceName.h"

#include <cstdio>

namespace zindra {
namespace {

// The bar height of the face the choices name, in modules.
double BarModules(const BarOptions& choices) {
    static const std::vector<SampleFace> faces = AllSampleFaces();
    const std::string name = SampleFaceName(choices);
    for (const SampleFace& face : faces)
        if (face.Name == name) return HeightsOf(face).Bar;
    return 0;
}

} // namespace

std::u16string LogisticsLabelWarning(const BarOptions& choices, int pointSize) {
    if (choices.symbology != Symbology::Code128 || choices.VariantChoice != code128_variant::Gs1)
        return {};
    const double x = XDimensionMm(choices.symbology, pointSize);
    char text[120];
    if (x < LogisticsMinXmm || x > LogisticsMaxXmm)
        std::snprintf(text, sizeof text,
                      "X %.3f mm is outside 0.495 to 1.016 mm of GS1 logistics labels", x);
    else if (const double bars = BarModules(choices) * x; bars < LogisticsMinBarMm)
        std::snprintf(text, sizeof text,
                      "bars %.1f mm are below the 31.75 mm of GS1 logistics labels", bars);
    else
        return {};
    return {text, text + std::char_traits<char>::length(text)};
}

} // namespace zindra
