#include "cli/Batch.h"

#include "cli/Csv.h"
#include "cli/CsvInput.h"
#include "cli/ExitStatus.h"
#include "cli/RecordData.h"
#include "engine/Utf8.h"
#include "library/client/LibraryClient.h"

#include <optional>
#include <string>

namespace zindra::cli {
namespace {

// New columns come last, after the others, so readers of the first ones read on.
constexpr std::string_view Header = "data,extra,font_string,error,warning,face\r\n";

// The face column repeats record after record (a run has one face): a text the
// same as the last one of its column is written as it was quoted then.
class RepeatingField {
  public:
    void Append(std::string_view text, std::string& out) {
        if (text != last_) {
            last_.assign(text);
            written_.clear();
            AppendCsvField(text, written_);
        }
        out.append(written_);
    }

  private:
    std::string last_, written_;
};

// One row's work; the buffers live across rows so their storage is reused.
class BatchRow {
  public:
    BatchRow(const BarOptions& defaults, std::string& out)
        : symbology_(defaults.symbology), out_(out), defaultExtra_(ToUtf8(defaults.Extra)),
          defaults_(defaults), request_(*defaults_.get()) {}

    // Encodes one record and writes its row; false when the row failed.
    bool Write(const CsvRecord& record, const CsvColumns& columns) {
        const std::string_view data = RecordData(Field(record, columns.Data), symbology_);
        // An empty extra column is a spreadsheet's blank cell, not a request
        // for no supplement: the -e text stands.
        const std::string_view extraCell =
            columns.Extra ? Field(record, *columns.Extra) : std::string_view();
        const bool hasExtra = !extraCell.empty();
        const std::string_view extra = hasExtra ? extraCell : defaultExtra_;
        // Only checked: the library reads the texts itself.
        const bool dataOk = IsAscii(data) || IsUtf8(data);
        const bool extraOk = !hasExtra || IsAscii(extra) || IsUtf8(extra);
        error_.clear();
        std::optional<LibraryResult> outcome;
        if (!record.Error.empty())
            error_.append("bad CSV: ").append(record.Error);
        else if (!dataOk)
            error_ = "invalid UTF-8 in data";
        else if (!extraOk)
            error_ = "invalid UTF-8 in extra";
        else
            outcome.emplace(Request(data, extra));

        // Texts are written as read when that is what they are; a text read
        // ill-formed is written from what was decoded, so it comes out as
        // valid UTF-8 with U+FFFD in place of the faulty bytes.
        if (outcome) // Bookland writes back its cleaned digits
            AppendCsvField({(*outcome)->data_text, (*outcome)->data_text_length}, out_);
        else if (dataOk)
            AppendCsvField(data, out_);
        else
            WriteText(data);
        out_.push_back(',');
        if (extraOk)
            AppendCsvField(extra, out_);
        else
            WriteText(extra);
        out_.push_back(',');
        const bool made = outcome && (*outcome)->ok;
        if (made) AppendCsvField((*outcome)->font_string, out_);
        out_.push_back(',');
        if (outcome && !made)
            AppendCsvField({(*outcome)->error, (*outcome)->error_length}, out_);
        else
            AppendCsvField(error_, out_);
        out_.push_back(',');
        if (made) AppendCsvField((*outcome)->warning, out_);
        out_.push_back(',');
        if (made) face_.Append((*outcome)->face, out_);
        out_.append("\r\n");
        return made;
    }

  private:
    bool IsUtf8(std::string_view text) { return DecodeUtf8(text, decoded_); }

    static std::string_view Field(const CsvRecord& record, std::size_t column) {
        return column < record.Fields.size() ? std::string_view(record.Fields[column]) : "";
    }

    // The record's texts go to the library as read: valid UTF-8 already. The
    // library reads a length of 0 as "up to the NUL", so empty data is given as
    // "": the blanks a digits-only field was trimmed of are no data.
    const zindra_request& Request(std::string_view data, std::string_view extra) {
        request_.data = data.empty() ? "" : data.data();
        request_.data_length = data.size();
        request_.extra = extra.data();
        request_.extra_length = extra.size();
        return request_;
    }

    // An ill-formed text as decoded: valid UTF-8, U+FFFD in place of each faulty sequence.
    void WriteText(std::string_view text) {
        DecodeUtf8(text, decoded_);
        utf8_.clear();
        AppendUtf8(decoded_, utf8_);
        AppendCsvField(utf8_, out_);
    }

    const Symbology symbology_;
    std::string& out_;
    const std::string defaultExtra_;
    const LibraryRequest defaults_; // what request_'s point size points into
    zindra_request request_;
    std::u16string decoded_;
    std::string error_, utf8_;
    RepeatingField face_;
};

} // namespace

int RunBatch(InputReader& input, OutputBuffer& out, OutputBuffer& err, const BarOptions& defaults,
             const CsvChoices& csv) {
    out.Text().append(Header);
    BatchRow row(defaults, out.Text());
    bool allEncoded = true;
    const auto unread = ReadCsv(
        input, csv, /*sheet=*/false,
        [&](const CsvRecord& record, const CsvColumns& columns) {
            allEncoded = row.Write(record, columns) && allEncoded;
            out.FlushIfFull();
        },
        [&err](const std::string& warning) {
            err.Text() += "zindra-encode: warning: " + warning + "\n";
            err.Flush();
        });
    if (unread) return Complain(err, *unread);
    return ExitFor(allEncoded);
}

} // namespace zindra::cli
