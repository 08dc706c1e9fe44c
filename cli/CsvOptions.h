#pragma once

#include <optional>
#include <string>

namespace zindra::cli {

// Option codes of the CSV options, past those of the label sheets.
enum CsvOptionCode { DelimiterOpt = 768, EncodingOpt };

enum class CsvEncoding { Utf8, Latin1, Windows1252 };

// How --batch reads its CSV, with or without --sheet: spreadsheets write
// semicolons where the decimal mark is a comma, and older ones write their
// own 8-bit character set.
struct CsvChoices {
    char Delimiter = 0; // 0: decided from the first records
    CsvEncoding Encoding = CsvEncoding::Utf8;
    bool Given = false; // some CSV option was given
};

// Applies one CSV option; returns the complaint about its value, if any.
std::optional<std::string> ApplyCsvOption(int code, const char* value, CsvChoices& csv);

inline constexpr char CsvUsage[] =
    R"(      --delimiter D      with --batch: the field delimiter, auto | , | ; | tab | :
                         (default auto: decided from the first lines, and told when in doubt)
      --encoding E       with --batch: utf-8 | latin1 | windows-1252 (default utf-8)
)";

} // namespace zindra::cli
