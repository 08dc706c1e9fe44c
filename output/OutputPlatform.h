#pragma once

#include "output/ClipboardContent.h"
#include "output/SamplePage.h"

namespace zindra {

// The desktop services output needs beyond the window model's platform: a Qt
// implementation runs the program, a recording one stands in for tests.
class OutputPlatform {
  public:
    virtual ~OutputPlatform() = default;

    // Replaces the clipboard's content with these forms of one text; false
    // when the clipboard could not be taken (the caller tells the user).
    virtual bool SetClipboard(const ClipboardContent& content) = 0;

    // Shows the print dialog and, unless the user cancels it, prints the
    // sample page as one job of one page with an empty title.
    virtual void PrintSamplePage(const SamplePageInput& page) = 0;
};

} // namespace zindra
