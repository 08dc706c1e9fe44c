#include "cli/CsvInput.h"

#include "cli/CsvDelimiter.h"
#include "cli/Transcoder.h"

#include <memory>

namespace zindra::cli {

std::optional<std::string> ReadCsv(InputReader& input, const CsvChoices& csv,
                                   const std::function<void(const CsvRecord&)>& onRecord,
                                   const std::function<void(const std::string&)>& onWarning) {
    Transcoder transcoder(csv.Encoding);
    if (!transcoder.OpenError().empty()) return transcoder.OpenError();
    std::unique_ptr<CsvReader> reader;
    std::string_view block;
    while (input.Next(block)) {
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
            reader = std::make_unique<CsvReader>(onRecord, delimiter);
        }
        reader->Feed(text);
    }
    if (reader) reader->Finish();
    return std::nullopt;
}

} // namespace zindra::cli
