#pragma once

#include <string>

namespace zindra {

// The order of the symbology buttons and of every dispatch.
enum class Symbology { Interleaved25, Code39, Code93, Code128, Codabar, Ean, PostNet, Upc };

enum class FontType { Standard, HumanReadable, Itf14 };

// What VariantChoice means under Code 128; EAN and UPC read 1 to 3 their own way.
namespace code128_variant {
inline constexpr int SubsetA = 1;
inline constexpr int SubsetB = 2;
inline constexpr int SubsetC = 3;
inline constexpr int Scc14 = 4;
inline constexpr int Sscc18 = 5;
inline constexpr int Auto = 6;
inline constexpr int Gs1 = 7;
} // namespace code128_variant

// One encoding's inputs, read from the window (or the command line) when Make runs.
struct BarOptions {
    std::u16string DataText;
    Symbology symbology = Symbology::Code39;
    int VariantChoice = 1; // 1..7: GB3b1..GB3b7
    FontType fontType = FontType::Standard;
    char FontSize = 'D'; // 'A'..'F'; only selects the sample face
    bool OptionalChecksum = false;
    bool Option2 = false;
    bool DispSums = false;
    std::u16string PointSize = u"24";
    std::u16string Extra;
};

} // namespace zindra
