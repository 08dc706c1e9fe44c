#include "cli/SheetBatch.h"

#include "cli/Csv.h"
#include "cli/CsvInput.h"
#include "cli/ExitStatus.h"
#include "cli/QtSession.h"
#include "cli/RecordData.h"
#include "cli/SheetInput.h"
#include "cli/WholeFile.h"
#include "engine/PointSize.h"
#include "engine/Utf8.h"
#include "faces/SampleFaceName.h"
#include "library/client/LibraryClient.h"
#include "output/CustomStock.h"
#include "output/LabelText.h"
#include "output/qt/InstalledFace.h"
#include "output/qt/SheetPainter.h"
#include "ui/qt/ModelText.h"

#include <QFile>
#include <QPdfWriter>

namespace zindra::cli {
namespace {

// The records of one run, one label (or --copies labels) each.
class SheetRun {
  public:
    SheetRun(const CommandLine& line, SheetPainter& painter, OutputBuffer& err,
             std::optional<double> pointSize)
        : line_(line), options_(WithBarOnlyFace(line.Options)), painter_(painter), err_(err),
          faces_(FacesByHeight(options_)), pointSize_(pointSize) {}

    const std::vector<SampleFace>& Faces() const { return faces_; }

    // The first reading of a run at one size: the largest narrow bar at
    // which every record that can be printed fits. Records that cannot are
    // reported when they are printed.
    void Measure(const CsvRecord& record, const CsvColumns& columns) {
        const auto content = Content(record, columns);
        if (const auto* label = std::get_if<LabelContent>(&content))
            if (const auto dots = painter_.LargestDots(*label))
                smallest_ = smallest_ ? std::min(*smallest_, *dots) : *dots;
    }

    // Every label of the run at the size Measure found.
    void TakeMeasuredSize() {
        if (smallest_) pointSize_ = painter_.PointSizeOfDots(options_.symbology, *smallest_);
        measured_ = smallest_.has_value();
    }

    void Record(const CsvRecord& record, const CsvColumns& columns) {
        if (auto why = Print(record, columns)) {
            failed_ = true;
            err_.Text() +=
                "zindra-encode: line " + std::to_string(record.Line) + ": " + Shown(*why) + "\n";
            for (int copy = 0; copy < line_.Sheet.Copies; ++copy)
                painter_.Skip();
        }
        err_.FlushIfFull();
    }

    bool Failed() const { return failed_; }

  private:
    static std::string_view Field(const CsvRecord& record, std::optional<std::size_t> column) {
        return column && *column < record.Fields.size() ? std::string_view(record.Fields[*column])
                                                        : "";
    }

    std::variant<LabelContent, std::string> Content(const CsvRecord& record,
                                                    const CsvColumns& columns) {
        if (!record.Error.empty()) return "bad CSV: " + std::string(record.Error);
        if (!DecodeUtf8(RecordData(Field(record, columns.Data), options_.symbology),
                        options_.DataText))
            return std::string("invalid UTF-8 in data");
        std::u16string caption;
        if (!DecodeUtf8(Field(record, columns.Caption), caption))
            return std::string("invalid UTF-8 in the caption");
        // An empty cell keeps the -e text, as it does without --sheet.
        const std::string_view extra = Field(record, columns.Extra);
        if (extra.empty())
            options_.Extra = line_.Options.Extra;
        else if (!DecodeUtf8(extra, options_.Extra))
            return std::string("invalid UTF-8 in extra");

        const LibraryResult outcome(options_);
        if (!outcome->ok) return std::string(outcome->error, outcome->error_length);
        // The caption is one line; a line break in its cell reads as a space.
        QString text = FromModel(caption);
        text.replace(QLatin1String("\r\n"), QLatin1String(" "));
        text.replace(QLatin1Char('\n'), QLatin1Char(' '))
            .replace(QLatin1Char('\r'), QLatin1Char(' '));
        QString data;
        if (line_.Sheet.DataText)
            data = QString::fromStdString(
                HumanReadableLine(options_.symbology, options_.VariantChoice,
                                  std::string_view(outcome->data_text, outcome->data_text_length),
                                  outcome->human_text));
        return LabelContent{options_.symbology, faces_, QString::fromUtf8(outcome->font_string),
                            data, text};
    }

    std::optional<std::string> Print(const CsvRecord& record, const CsvColumns& columns) {
        auto content = Content(record, columns);
        if (auto* why = std::get_if<std::string>(&content)) return std::move(*why);
        const auto& label = std::get<LabelContent>(content);
        auto prepared = painter_.Prepare(label, pointSize_);
        // A record that fits at no size was left out of the measure: it is
        // told so, not that the run's size is too large for it.
        if (measured_ && std::holds_alternative<std::string>(prepared))
            if (auto alone = painter_.Prepare(label, std::nullopt);
                std::holds_alternative<std::string>(alone))
                prepared = std::move(alone);
        if (auto* why = std::get_if<std::string>(&prepared)) return *why;
        for (int copy = 0; copy < line_.Sheet.Copies; ++copy)
            painter_.Print(std::get<PreparedLabel>(prepared));
        return std::nullopt;
    }

    const CommandLine& line_;
    BarOptions options_;
    SheetPainter& painter_;
    OutputBuffer& err_;
    const std::vector<SampleFace> faces_;
    std::optional<double> pointSize_;
    std::optional<int> smallest_;
    bool measured_ = false;
    bool failed_ = false;
};

} // namespace

int RunSheetBatch(const CommandLine& line, OutputBuffer& err) {
    std::optional<double> pointSize;
    // The command line has already refused a point size that is no number.
    if (line.Sheet.PointSizeGiven)
        if (const auto value = PointSizeValue(line.Options.PointSize)) pointSize = *value;

    const QtSession session;

    InputReader input(line.InputPath, [] {});
    if (!input.OpenError().empty()) return Complain(err, input.OpenError());
    // Sheets written over the list they are made from would destroy it.
    if (NamesOpenFile(line.Sheet.PdfPath, input.Descriptor()))
        return Complain(err, "the PDF '" + line.Sheet.PdfPath +
                                 "' is the input file; name another file for the sheets");
    WholeFile output(line.Sheet.PdfPath);
    if (output.OpenError()) return Complain(err, *output.OpenError());
    // Opened on the descriptor, so the name is never turned into text and back.
    QFile file;
    if (!file.open(output.Descriptor(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        return Complain(err, "cannot write '" + line.Sheet.PdfPath +
                                 "': " + file.errorString().toStdString());
    QPdfWriter writer(&file);
    writer.setCreator(QStringLiteral("zindra-encode"));
    // The units the page is described in: 600 dpi holds the dots of every
    // label printer's grid closely enough and keeps the numbers of a long
    // list's PDF shorter than the writer's usual 1200.
    writer.setResolution(600);
    // The command line has already refused a stock that cannot be printed.
    const SheetStock stock = std::get<SheetStock>(SheetStockNamed(line.Sheet.Stock));
    SheetPainter painter(writer, stock, line.Sheet.Outline,
                         line.Sheet.Dpi ? line.Sheet.Dpi : DefaultPrinterDpi);
    if (!painter.Begin())
        return Complain(err,
                        "cannot write '" + line.Sheet.PdfPath + "': the PDF could not be started");
    for (int label = 0; label < line.Sheet.Skip; ++label)
        painter.Skip();

    SheetRun run(line, painter, err, pointSize);
    for (const SampleFace& face : run.Faces())
        if (const auto missing = MissingFace(face.Name)) return Complain(err, *missing);
    if (!pointSize && !line.Sheet.FitEach) {
        SecondReading again(input);
        if (auto why = again.Prepare()) return Complain(err, *why);
        const auto unread = ReadCsv(
            input, line.Csv, /*sheet=*/true,
            [&run](const CsvRecord& record, const CsvColumns& columns) {
                run.Measure(record, columns);
            },
            [](const std::string&) {});
        if (unread) return Complain(err, *unread);
        if (!input.ReadError().empty()) return Complain(err, input.ReadError());
        if (auto why = again.Rewind()) return Complain(err, *why);
        run.TakeMeasuredSize();
    }
    const auto unread = ReadCsv(
        input, line.Csv, /*sheet=*/true,
        [&run](const CsvRecord& record, const CsvColumns& columns) { run.Record(record, columns); },
        [&err](const std::string& warning) {
            err.Text() += "zindra-encode: warning: " + warning + "\n";
        });
    if (unread) return Complain(err, *unread);
    const bool ended = painter.End();
    file.close();
    // Sheets of part of a list would pass for the whole of it: the target
    // keeps what it held.
    if (!input.ReadError().empty()) return Complain(err, input.ReadError());
    if (!ended || file.error() != QFileDevice::NoError)
        output.Fail(file.errorString().toStdString());
    if (auto failure = output.Commit()) return Complain(err, *failure);
    return ExitFor(!run.Failed());
}

} // namespace zindra::cli
