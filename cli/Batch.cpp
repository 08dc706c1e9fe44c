#include "cli/Batch.h"

#include "cli/Csv.h"
#include "cli/CsvInput.h"
#include "cli/ExitStatus.h"
#include "cli/RecordData.h"
#include "engine/Utf8.h"
#include "library/client/LibraryClient.h"

#include <string>

namespace zindra::cli {
namespace {

// New columns come last, after the others, so readers of the first ones read on.
constexpr std::string_view Header = "data,extra,font_string,error,warning,face\r\n";

// One row's work; the buffers live across rows so their storage is reused.
class BatchRow {
  public:
    BatchRow(const BarOptions& defaults, std::string& out)
        : options_(defaults), out_(out), defaultExtra_(ToUtf8(defaults.Extra)),
          defaultExtra16_(defaults.Extra), defaults_(defaults), request_(*defaults_.get()) {}

    // Encodes one record and writes its row; false when the row failed.
    bool Write(const CsvRecord& record) {
        const std::string_view data = RecordData(
            record.Fields.empty() ? std::string_view() : std::string_view(record.Fields[0]),
            options_.symbology);
        // An empty second column is a spreadsheet's blank cell, not a request
        // for no supplement: the -e text stands.
        const bool hasExtra = record.Fields.size() > 1 && !record.Fields[1].empty();
        const std::string_view extra =
            hasExtra ? std::string_view(record.Fields[1]) : defaultExtra_;
        const bool dataOk = DecodeUtf8(data, options_.DataText);
        bool extraOk = true;
        if (hasExtra)
            extraOk = DecodeUtf8(extra, options_.Extra);
        else if (options_.Extra != defaultExtra16_)
            options_.Extra = defaultExtra16_;
        dataRewritten_ = false;
        fontString_.clear();
        error_.clear();
        warning_.clear();
        face_.clear();
        if (!record.Error.empty())
            error_.append("bad CSV: ").append(record.Error);
        else if (!dataOk)
            error_ = "invalid UTF-8 in data";
        else if (!extraOk)
            error_ = "invalid UTF-8 in extra";
        else
            Encode(data, extra);

        // Texts are written as read when that is what they are; a text read
        // ill-formed is written from what was decoded, so it comes out as
        // valid UTF-8 with U+FFFD in place of the faulty bytes.
        if (dataRewritten_)
            AppendCsvField(rewrittenData_, out_);
        else if (dataOk)
            AppendCsvField(data, out_);
        else
            WriteText(options_.DataText);
        out_.push_back(',');
        if (extraOk)
            AppendCsvField(extra, out_);
        else
            WriteText(options_.Extra);
        out_.push_back(',');
        AppendCsvField(fontString_, out_);
        out_.push_back(',');
        AppendCsvField(error_, out_);
        out_.push_back(',');
        AppendCsvField(warning_, out_);
        out_.push_back(',');
        AppendCsvField(face_, out_);
        out_.append("\r\n");
        return error_.empty();
    }

  private:
    // The record's texts go to the library as read: valid UTF-8 already.
    void Encode(std::string_view data, std::string_view extra) {
        request_.data = data.data();
        request_.data_length = data.size();
        request_.extra = extra.data();
        request_.extra_length = extra.size();
        const LibraryResult outcome(request_);
        // Bookland writes back its cleaned digits.
        const std::string_view dataText(outcome->data_text, outcome->data_text_length);
        dataRewritten_ = dataText != data;
        if (dataRewritten_) rewrittenData_ = dataText;
        if (outcome->ok) {
            fontString_ += outcome->font_string;
            warning_ = outcome->warning;
            face_ = outcome->face;
        } else {
            error_.append(outcome->error, outcome->error_length);
        }
    }

    void WriteText(std::u16string_view text) {
        utf8_.clear();
        AppendUtf8(text, utf8_);
        AppendCsvField(utf8_, out_);
    }

    BarOptions options_;
    std::string& out_;
    const std::string defaultExtra_;
    const std::u16string defaultExtra16_;
    const LibraryRequest defaults_; // what request_'s point size points into
    zindra_request request_;
    std::string fontString_, error_, warning_, face_, utf8_, rewrittenData_;
    bool dataRewritten_ = false;
};

} // namespace

int RunBatch(InputReader& input, OutputBuffer& out, OutputBuffer& err, const BarOptions& defaults,
             const CsvChoices& csv) {
    out.Text().append(Header);
    BatchRow row(defaults, out.Text());
    bool allEncoded = true;
    const auto unread = ReadCsv(
        input, csv,
        [&](const CsvRecord& record) {
            allEncoded = row.Write(record) && allEncoded;
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
