#pragma once

#include <QString>

namespace zindra {

// The manual's index page: the copy installed beside the program
// (share/zindra/help), else the one in the build tree it was built in. When
// neither exists, the installed path, so the desktop names what is missing.
QString HelpIndexPath();

} // namespace zindra
