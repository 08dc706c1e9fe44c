#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace zindra::cli {

// A column named on the command line: by its number, from 1, or (with
// --header) by the name the header row gives it.
struct ColumnChoice {
    int Number = 0; // 0: named, or not given
    std::string Name;
    bool Given() const { return Number > 0 || !Name.empty(); }
};

// Reads the value of `option` ("--column"): digits are a number, anything
// else a name.
std::optional<std::string> ReadColumn(std::string_view word, std::string_view option,
                                      ColumnChoice& into);

// The columns a run reads, from 0; an absent one is not read.
struct CsvColumns {
    std::size_t Data = 0;
    std::optional<std::size_t> Extra;
    std::optional<std::size_t> Caption;
};

// What the columns were asked for. Unasked, the data is the first column and
// the second is the extra text of a --batch run and the caption of a sheet.
struct ColumnChoices {
    ColumnChoice Data, Extra, Caption;
};

// The columns for `choices`, with names looked up in `header` (blanks around a
// name do not count). Why not, when a name is not there or two uses share a
// column.
std::variant<CsvColumns, std::string> ResolveColumns(const ColumnChoices& choices, bool sheet,
                                                     std::span<const std::string> header);

} // namespace zindra::cli
