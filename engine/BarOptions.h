#pragma once

#include <string>

namespace zindra {

// The order of the symbology buttons and of every dispatch.
enum class Symbology { Interleaved25, Code39, Code93, Code128, Codabar, Ean, PostNet, Upc };

enum class FontType { Standard, HumanReadable, Itf14 };

// One encoding's inputs, read from the window (or the command line) when Make runs.
struct BarOptions {
    std::u16string DataText;
    Symbology symbology = Symbology::Code39;
    int VariantChoice = 1;   // 1..7: GB3b1..GB3b5, then Code 128 Auto and GS1-128
    FontType fontType = FontType::Standard;
    char FontSize = 'D';     // 'A'..'F'; only selects the sample face
    bool OptionalChecksum = false;
    bool Option2 = false;
    bool DispSums = false;
    std::u16string PointSize = u"24";
    std::u16string Extra;
};

} // namespace zindra
