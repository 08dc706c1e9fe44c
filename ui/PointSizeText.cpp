#include "ui/PointSizeText.h"

#include "engine/Functions.h"
#include "engine/PointSize.h"

namespace zindra {

std::u16string PointSizeConversionError(std::u16string_view text) {
    return u"'" + std::u16string(text) +
           u"' is not a valid point size: type a whole number from 1 to " + ToU16(MaxPointSize);
}

} // namespace zindra
