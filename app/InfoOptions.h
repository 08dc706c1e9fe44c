#pragma once

#include <optional>

namespace zindra {

// zindra --help and --version, answered on standard output before any window
// system is touched, so they work without a display (and help2man can read
// them at build time). Returns the exit status when argv asks for one of them.
std::optional<int> AnswerInfoOption(int argc, char** argv);

} // namespace zindra
