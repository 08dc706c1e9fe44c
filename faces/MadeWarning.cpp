#include "faces/MadeWarning.h"

#include "faces/LogisticsAdvice.h"

namespace zindra {

std::u16string MadeWarning(const BarOptions& choices, const SizeAdvice& advice, int pointSize,
                           std::u16string_view encodingWarning) {
    std::u16string warning = SizeWarning(advice);
    const std::u16string logistics = LogisticsLabelWarning(choices, pointSize);
    for (std::u16string_view more : {std::u16string_view(logistics), encodingWarning})
        if (!more.empty()) warning.append(warning.empty() ? u"" : u"; ").append(more);
    return warning;
}

} // namespace zindra
