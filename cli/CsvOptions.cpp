#include "cli/CsvOptions.h"

#include "cli/SheetOptions.h"

#include <array>
#include <string_view>

namespace zindra::cli {
namespace {

template <typename Value> struct Word {
    std::string_view name;
    Value value;
};

constexpr std::array DelimiterWords{Word<char>{"auto", 0}, Word<char>{",", ','},
                                    Word<char>{";", ';'}, Word<char>{"tab", '\t'},
                                    Word<char>{":", ':'}};
constexpr std::array EncodingWords{Word<CsvEncoding>{"utf-8", CsvEncoding::Utf8},
                                   Word<CsvEncoding>{"latin1", CsvEncoding::Latin1},
                                   Word<CsvEncoding>{"windows-1252", CsvEncoding::Windows1252}};

template <typename Value, std::size_t N>
std::optional<std::string> Store(const std::array<Word<Value>, N>& words, std::string_view given,
                                 std::string_view what, Value& into) {
    std::string names;
    for (const auto& word : words) {
        if (word.name == given) {
            into = word.value;
            return std::nullopt;
        }
        names += (names.empty() ? "" : " | ") + std::string(word.name);
    }
    return "unknown " + std::string(what) + " \"" + std::string(given) + "\" (" + names + ")";
}

} // namespace

std::optional<std::string> ApplyCsvOption(int code, const char* value, CsvChoices& csv) {
    csv.Given = true;
    switch (code) {
    case DelimiterOpt:
        return Store(DelimiterWords, value, "delimiter", csv.Delimiter);
    case EncodingOpt:
        return Store(EncodingWords, value, "encoding", csv.Encoding);
    case HeaderOpt:
        csv.Header = true;
        return std::nullopt;
    case ColumnOpt:
        return ReadColumn(value, "--column", csv.Columns.Data);
    case ExtraColumnOpt:
        return ReadColumn(value, "--extra-column", csv.Columns.Extra);
    default:
        return ReadColumn(value, "--caption-column", csv.Columns.Caption);
    }
}

std::optional<std::string> CheckCsvChoices(const CsvChoices& csv, bool batch, bool sheet) {
    if (csv.Given && !batch)
        return "--delimiter, --encoding, --header and the column options need --batch";
    if (csv.Columns.Caption.Given() && !sheet) return "--caption-column needs --sheet";
    const ColumnChoices& c = csv.Columns;
    for (const auto& [choice, option] :
         {std::pair{&c.Data, "--column"}, std::pair{&c.Extra, "--extra-column"},
          std::pair{&c.Caption, "--caption-column"}})
        if (!choice->Name.empty() && !csv.Header)
            return std::string(option) + " names a column: that needs --header";
    return std::nullopt;
}

} // namespace zindra::cli
