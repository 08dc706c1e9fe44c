#pragma once

#include <optional>
#include <string>

namespace zindra {

// Why the window cannot open on this machine, asked before QApplication,
// which would abort on a display it cannot reach; nothing when it can try.
// A platform chosen by QT_QPA_PLATFORM or -platform is trusted as given.
std::optional<std::string> DisplayProblem(int argc, char* argv[]);

} // namespace zindra
