#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zindra {

// What is wrong with one component's value by one of the dictionary's check routines,
// as the end of a message ("the check digit should be 3"); nothing when it passes or
// when the routine is one this program does not run.
std::optional<std::u16string> Gs1LintProblem(std::string_view linter, std::u16string_view value);

} // namespace zindra
