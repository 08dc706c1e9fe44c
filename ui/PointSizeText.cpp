#include "ui/PointSizeText.h"

#include "engine/EncodeRequest.h"
#include "engine/Functions.h"

namespace zindra {

std::optional<int> PointSizeValue(std::u16string_view text) {
    if (text.empty()) return std::nullopt;
    int value = 0;
    for (char16_t c : text) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + DigitValue(c);
        if (value > MaxPointSize) return std::nullopt;
    }
    if (value < 1) return std::nullopt;
    return value;
}

std::u16string PointSizeConversionError(std::u16string_view text) {
    return u"'" + std::u16string(text) +
           u"' is not a valid point size: type a whole number from 1 to " + ToU16(MaxPointSize);
}

} // namespace zindra
