#pragma once

#include "output/RichRun.h"

#include <string>

namespace zindra {

// Everything the copy step places on the clipboard, in each form.
struct ClipboardContent {
    std::string Rtf;
    std::string Html;
    std::u16string PlainText;
};

ClipboardContent MakeClipboardContent(const RichText& runs);

} // namespace zindra
