#include "cli/CsvInput.h"

#include "cli/CsvDelimiter.h"
#include "cli/Transcoder.h"

#include <memory>

namespace zindra::cli {

std::optional<std::string> ReadCsv(InputReader& input, const CsvChoices& csv, bool sheet,
                                   const RecordHandler& onRecord,
                                   const std::function<void(const std::string&)>& onWarning) {
    Transcoder transcoder(csv.Encoding);
    if (!transcoder.OpenError().empty()) return transcoder.OpenError();

    std::optional<std::string> unread;
    std::optional<CsvColumns> columns;
    if (!csv.Header) {
        auto resolved = ResolveColumns(csv.Columns, sheet, {});
        if (auto* why = std::get_if<std::string>(&resolved)) return *why;
        columns = std::get<CsvColumns>(resolved);
    }
    const auto take = [&](const CsvRecord& record) {
        if (unread) return;
        if (columns) return onRecord(record, *columns);
        // The header row: what the columns are called.
        if (!record.Error.empty()) {
            unread = "the header row is not CSV: " + std::string(record.Error);
            return;
        }
        auto resolved = ResolveColumns(csv.Columns, sheet, record.Fields);
        if (auto* why = std::get_if<std::string>(&resolved))
            unread = std::move(*why);
        else
            columns = std::get<CsvColumns>(resolved);
    };

    std::unique_ptr<CsvReader> reader;
    std::string_view block;
    while (!unread && input.Next(block)) {
        const std::string_view text = transcoder.Convert(block);
        if (!reader) {
            char delimiter = csv.Delimiter;
            if (delimiter == 0) {
                const DelimiterGuess guess = GuessDelimiter(text);
                delimiter = guess.Delimiter;
                if (!guess.Doubt.empty())
                    onWarning("the fields are taken as separated by " + DelimiterName(delimiter) +
                              " (the first lines hold " + guess.Doubt +
                              " too); --delimiter says otherwise");
            }
            reader = std::make_unique<CsvReader>(take, delimiter);
        }
        reader->Feed(text);
    }
    if (reader && !unread) reader->Finish();
    return unread;
}

} // namespace zindra::cli
