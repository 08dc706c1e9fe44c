#include "output/ClipboardContent.h"

#include "output/HtmlWriter.h"
#include "output/RtfWriter.h"

namespace zindra {

ClipboardContent MakeClipboardContent(const std::vector<StyledRun>& runs) {
    std::u16string plain;
    for (const StyledRun& run : runs)
        plain += run.Text;
    return {RichTextToRtf(runs), RichTextToHtml(runs), plain};
}

} // namespace zindra
