#include "output/ClipboardContent.h"

#include "output/HtmlWriter.h"
#include "output/RtfWriter.h"

namespace zindra {

ClipboardContent MakeClipboardContent(const RichText& runs) {
    return {RichTextToRtf(runs), RichTextToHtml(runs), PlainTextOf(runs)};
}

} // namespace zindra
