#include "output/LabelText.h"

namespace zindra {
namespace {

// VariantChoice of Code 128's SCC-14, SSCC-18 and GS1-128.
constexpr int Scc14 = 4;
constexpr int Sscc18 = 5;
constexpr int Gs1128 = 7;

bool FaceCarriesDigits(Symbology symbology) {
    return symbology == Symbology::Ean || symbology == Symbology::Upc;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string HumanReadableLine(Symbology symbology, int variantChoice, std::string_view dataText,
                              std::string_view humanText) {
    if (FaceCarriesDigits(symbology)) return {};
    // GS1-128 data may give its AIs in brackets; the line always shows parentheses.
    const bool elementStrings =
        symbology == Symbology::Code128 &&
        (variantChoice == Scc14 || variantChoice == Sscc18 || variantChoice == Gs1128);
    return std::string(elementStrings ? Trimmed(humanText) : dataText);
}

BarOptions WithBarOnlyFace(BarOptions choices) {
    // Under UPC the font type picks UPC-A or UPC-E, not the text.
    if (!FaceCarriesDigits(choices.symbology) && choices.fontType == FontType::HumanReadable)
        choices.fontType = FontType::Standard;
    return choices;
}

} // namespace zindra
