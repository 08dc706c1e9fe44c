#include "engine/PointSize.h"

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

} // namespace zindra
