#include "cli/CsvColumns.h"

#include "cli/RecordData.h"

#include <charconv>

namespace zindra::cli {
namespace {

constexpr int MaxColumn = 1000;

std::string Listed(std::span<const std::string> header) {
    std::string names;
    for (const std::string& name : header)
        names += (names.empty() ? "\"" : ", \"") + std::string(WithoutBlanks(name)) + "\"";
    return names;
}

// The column of `choice`, or `unasked` when it was not given.
std::variant<std::optional<std::size_t>, std::string> Column(const ColumnChoice& choice,
                                                             std::optional<std::size_t> unasked,
                                                             std::span<const std::string> header) {
    if (choice.Number > 0) return std::optional<std::size_t>(choice.Number - 1);
    if (choice.Name.empty()) return unasked;
    for (std::size_t i = 0; i < header.size(); ++i)
        if (WithoutBlanks(header[i]) == WithoutBlanks(choice.Name))
            return std::optional<std::size_t>(i);
    return "the header has no column \"" + choice.Name + "\" (it has " + Listed(header) + ")";
}

} // namespace

std::optional<std::string> ReadColumn(std::string_view word, std::string_view option,
                                      ColumnChoice& into) {
    if (word.empty()) return std::string(option) + " needs a column number or name";
    int number = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (error == std::errc{} && end == word.data() + word.size()) {
        if (number < 1 || number > MaxColumn)
            return std::string(option) + " must be a column number from 1 to 1000, or a name";
        into = {number, {}};
    } else {
        into = {0, std::string(word)};
    }
    return std::nullopt;
}

std::variant<CsvColumns, std::string> ResolveColumns(const ColumnChoices& choices, bool sheet,
                                                     std::span<const std::string> header) {
    const auto data = Column(choices.Data, std::size_t{0}, header);
    const auto extra =
        Column(choices.Extra, sheet ? std::nullopt : std::optional<std::size_t>(1), header);
    const auto caption =
        Column(choices.Caption, sheet ? std::optional<std::size_t>(1) : std::nullopt, header);
    for (const auto* column : {&data, &extra, &caption})
        if (const auto* why = std::get_if<std::string>(column)) return *why;
    CsvColumns columns;
    columns.Data = *std::get<std::optional<std::size_t>>(data);
    columns.Extra = std::get<std::optional<std::size_t>>(extra);
    columns.Caption = std::get<std::optional<std::size_t>>(caption);
    // A column left to its default gives way to one that was asked for.
    if (!choices.Extra.Given() && columns.Extra == columns.Data) columns.Extra.reset();
    if (!choices.Caption.Given() &&
        (columns.Caption == columns.Data || (columns.Caption && columns.Caption == columns.Extra)))
        columns.Caption.reset();
    if (columns.Extra == columns.Data)
        return std::string("the extra text and the data share a column");
    if (columns.Caption && (columns.Caption == columns.Data || columns.Caption == columns.Extra))
        return std::string("the caption shares a column with the data or the extra text");
    return columns;
}

} // namespace zindra::cli
