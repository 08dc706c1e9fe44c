#include "cli/CsvOptions.h"

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
    if (code == DelimiterOpt) return Store(DelimiterWords, value, "delimiter", csv.Delimiter);
    return Store(EncodingWords, value, "encoding", csv.Encoding);
}

} // namespace zindra::cli
