#pragma once

#include "ui/RichEdit.h"

#include <string>
#include <vector>

namespace zindra {

// Everything the copy step places on the clipboard, in each form.
struct ClipboardContent {
    std::string Rtf;
    std::string Html;
    std::u16string PlainText;
};

ClipboardContent MakeClipboardContent(const std::vector<StyledRun>& runs);

} // namespace zindra
