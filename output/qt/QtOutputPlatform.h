#pragma once

#include "output/OutputPlatform.h"

class QMimeData;
class QWidget;

namespace zindra {

// The clipboard formats of one copy: RTF under the names word processors
// look for on X11 and Windows, HTML, and plain text.
QMimeData* ClipboardMimeData(const ClipboardContent& content);

// Output's desktop services in Qt: the system clipboard, the print dialog
// (which always offers printing to a PDF file) and the printer.
class QtOutputPlatform : public OutputPlatform {
  public:
    explicit QtOutputPlatform(QWidget* dialogParent) : dialogParent_(dialogParent) {}

    bool SetClipboard(const ClipboardContent& content) override;
    void PrintSamplePage(const SamplePageInput& page) override;

  private:
    QWidget* dialogParent_;
};

} // namespace zindra
