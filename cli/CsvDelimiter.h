#pragma once

#include <string>
#include <string_view>

namespace zindra::cli {

// The delimiter of a CSV whose first records are `start`: a tab, a semicolon
// or a comma (in that order of preference) that every one of those records
// holds as often, else the first of them the first record holds, else a
// comma (a file of one column). `Doubt` names the other candidates that
// would have done as well, for a warning; empty when there was no doubt.
struct DelimiterGuess {
    char Delimiter = ',';
    std::string Doubt;
};

DelimiterGuess GuessDelimiter(std::string_view start);

// How a delimiter is named to the user: "tab" or the character.
std::string DelimiterName(char delimiter);

} // namespace zindra::cli
