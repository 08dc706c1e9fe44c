#include "app/InfoOptions.h"

#include "product/Version.h"

#include <cstdio>
#include <string_view>

namespace zindra {
namespace {

constexpr char HelpText[] =
    R"(Usage: zindra [OPTION] [QT-OPTION]...
Encode data for a family of bar-code fonts in a window: type the data, pick one
of eight symbologies and its options, press Make, and Zindra shows the font
string set in its bar-code face, copies it to the clipboard as rich text,
prints a sample page and opens label templates.

Options:
      --help       show this help and exit
      --version    show the version and exit

Qt's own options, such as -platform NAME or -display DISPLAY, are accepted too.
On the first start of a user the product folder Documents/Zindra is created
with the settings and tips file, the manual, the help and the label templates.
)";

} // namespace

std::optional<int> AnswerInfoOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help") return std::fputs(HelpText, stdout) < 0 ? 1 : 0;
        if (arg == "--version") return std::printf("zindra %s\n", ZINDRA_VERSION) < 0 ? 1 : 0;
    }
    return std::nullopt;
}

} // namespace zindra
