#include "faces/WindowChoices.h"

#include "engine/Functions.h"

namespace zindra {

constexpr int Scc14Variant = 4;
constexpr int Sscc18Variant = 5;

std::string_view DefaultPointSize(Symbology symbology) {
    switch (symbology) {
    case Symbology::PostNet:
        return "18"; // the one size the PostNet face is drawn for
    case Symbology::Upc:
        return "48"; // UPC symbols are read at checkouts: near 100 % magnification
    default:
        return "24";
    }
}

void TakeWindowChoices(BarOptions& options, bool pointSizeGiven) {
    if (!pointSizeGiven) options.PointSize = AsciiToU16(DefaultPointSize(options.symbology));
    // Without FNC1 a scanner reads the digits as plain data, not as an SCC.
    if (options.symbology == Symbology::Code128 &&
        (options.VariantChoice == Scc14Variant || options.VariantChoice == Sscc18Variant))
        options.Option2 = true;
}

} // namespace zindra
