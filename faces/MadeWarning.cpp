#include "faces/MadeWarning.h"

#include "engine/Utf8.h"
#include "faces/LogisticsAdvice.h"

namespace zindra {

std::u16string MadeWarning(const BarOptions& choices, const SizeAdvice& advice, int pointSize,
                           std::u16string_view encodingWarning) {
    std::u16string warning = SizeWarning(advice);
    AppendWarning(warning, LogisticsLabelWarning(choices, pointSize));
    AppendWarning(warning, encodingWarning);
    return warning;
}

void AppendWarning(std::u16string& warning, std::u16string_view more) {
    if (!more.empty()) warning.append(warning.empty() ? u"" : u"; ").append(more);
}

void AppendWarning(std::string& warning, std::u16string_view more) {
    if (more.empty()) return;
    if (!warning.empty()) warning.append("; ");
    AppendUtf8(more, warning);
}

} // namespace zindra
