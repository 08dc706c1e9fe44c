#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>

class QPrinter;
class QWidget;

namespace zindra {

// Paints the whole job on the printer it is given; returns why nothing could
// be painted.
using PrintJob = std::function<std::optional<std::string>(QPrinter&)>;

// The preview before a print: the job's pages as they will come out, with
// "Print…" (the print dialog, then the job on the printer chosen there) and
// "Cancel". A job that cannot be painted opens no preview; its reason is
// returned, as is the printer's when printing fails. Nothing when the user
// cancels either window or the job is printed.
std::optional<std::string> PreviewThenPrint(QPrinter& printer, QWidget* parent,
                                            const QString& title, const PrintJob& job);

} // namespace zindra
