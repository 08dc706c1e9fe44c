#pragma once

#include <QString>

#include <string_view>

namespace zindra {

// The window models keep their texts in UTF-16, as QString does.
inline QString FromModel(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace zindra
