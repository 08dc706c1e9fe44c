#include "output/RichRun.h"

namespace zindra {

std::u16string PlainTextOf(const RichText& runs) {
    std::u16string text;
    for (const RichRun& run : runs)
        text += run.Text;
    return text;
}

} // namespace zindra
