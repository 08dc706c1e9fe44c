#include "output/qt/PrintPreview.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace zindra {

// Qt's own preview dialog prints straight from its tool bar and has no
// Cancel; this one keeps Qt's preview widget and asks for the printer only
// once the user has seen the pages.
std::optional<std::string> PreviewThenPrint(QPrinter& printer, QWidget* parent,
                                            const QString& title, const PrintJob& job) {
    QDialog preview(parent);
    preview.setObjectName("PrintPreview");
    preview.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&preview);
    auto* pages = new QPrintPreviewWidget(&printer, &preview);
    pages->setObjectName("PreviewPages");
    std::optional<std::string> why;
    QObject::connect(pages, &QPrintPreviewWidget::paintRequested, &preview,
                     [&](QPrinter* on) { why = job(*on); });
    layout->addWidget(pages);
    auto* buttons = new QDialogButtonBox(&preview);
    QPushButton* print = buttons->addButton("&Print\u2026", QDialogButtonBox::AcceptRole);
    print->setObjectName("PreviewPrint");
    print->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName("PreviewCancel");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &preview, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &preview, &QDialog::reject);
    layout->addWidget(buttons);
    preview.resize(640, 760);

    pages->updatePreview(); // paints now, so a job that cannot be painted never shows
    if (why) return why;
    pages->fitInView();
    if (preview.exec() != QDialog::Accepted) return std::nullopt;

    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    // One job as previewed: ranges and the current-page choice mean nothing here.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return job(printer);
}

} // namespace zindra
