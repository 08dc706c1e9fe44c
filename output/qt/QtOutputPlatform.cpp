#include "output/qt/QtOutputPlatform.h"

#include "output/qt/InstalledFace.h"
#include "output/qt/PrintPreview.h"
#include "output/qt/SamplePainter.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>

namespace zindra {
namespace {

// X11 word processors ask for one of the first three; Qt on Windows offers
// the last under the system's own "Rich Text Format" clipboard format.
const char* const RtfMimeTypes[] = {
    "text/rtf",
    "text/richtext",
    "application/rtf",
    "application/x-qt-windows-mime;value=\"Rich Text Format\"",
};

} // namespace

QMimeData* ClipboardMimeData(const ClipboardContent& content) {
    auto* data = new QMimeData;
    const QByteArray rtf = QByteArray::fromStdString(content.Rtf);
    for (const char* type : RtfMimeTypes)
        data->setData(type, rtf);
    data->setHtml(QString::fromStdString(content.Html));
    data->setText(QString::fromStdU16String(content.PlainText));
    return data;
}

// When the desktop refuses the clipboard to us (on X11 another client keeps
// the selection), the clipboard hands back someone else's data, not ours.
bool QtOutputPlatform::SetClipboard(const ClipboardContent& content) {
    QMimeData* data = ClipboardMimeData(content);
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setMimeData(data, QClipboard::Clipboard);
    return clipboard->mimeData(QClipboard::Clipboard) == data;
}

void QtOutputPlatform::PrintSamplePage(const SamplePageInput& page) {
    if (const auto missing = MissingFace(page.FaceName)) {
        QMessageBox::warning(dialogParent_, QString(),
                             QStringLiteral("The sample page cannot be printed: %1.")
                                 .arg(QString::fromStdString(*missing)));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString());
    PreviewThenPrint(printer, dialogParent_, QStringLiteral("Print the sample page"),
                     [&page](QPrinter& on) -> std::optional<std::string> {
                         PaintSamplePage(on, page);
                         return std::nullopt;
                     });
}

} // namespace zindra
