#pragma once

#include "cli/CsvColumns.h"

#include <optional>
#include <string>

namespace zindra::cli {

// Option codes of the CSV options, past those of the label sheets.
enum CsvOptionCode { DelimiterOpt = 768, EncodingOpt, HeaderOpt, ColumnOpt, CaptionColumnOpt };

enum class CsvEncoding { Utf8, Latin1, Windows1252 };

// How --batch reads its CSV, with or without --sheet: spreadsheets write
// semicolons where the decimal mark is a comma, and older ones write their
// own 8-bit character set.
struct CsvChoices {
    char Delimiter = 0; // 0: decided from the first records
    CsvEncoding Encoding = CsvEncoding::Utf8;
    bool Header = false; // the first record names the columns: it is no data
    ColumnChoices Columns;
    bool Given = false; // some CSV option was given
};

// Whether the choices make sense together and with the mode.
std::optional<std::string> CheckCsvChoices(const CsvChoices& csv, bool batch, bool sheet);

// Applies one CSV option; returns the complaint about its value, if any.
std::optional<std::string> ApplyCsvOption(int code, const char* value, CsvChoices& csv);

inline constexpr char CsvUsage[] =
    R"(      --delimiter D      with --batch: the field delimiter, auto | , | ; | tab | :
                         (default auto: decided from the first lines, and told when in doubt)
      --encoding E       utf-8 | latin1 | windows-1252: the CSV's character set, with
                         --batch (default utf-8)
      --header           with --batch: the first row names the columns and is not encoded
      --column C         the column of the data: a number from 1, or with --header a name
                         (default 1)
      --extra-column C   the column of the add-on digits or Bookland price (default: the
                         second under --batch; none on sheets, where -e serves every record)
      --caption-column C with --sheet: the column printed under the bar code (default 2)
)";

} // namespace zindra::cli
