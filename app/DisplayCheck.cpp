#include "app/DisplayCheck.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace zindra {
namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

std::string Line(const std::string& why) {
    return "zindra: cannot open a display (" + why +
           "); on a machine without one, run it as: xvfb-run -a zindra";
}

} // namespace

std::optional<std::string> DisplayProblem(int argc, char* argv[]) {
    if (Set("QT_QPA_PLATFORM") || Set("WAYLAND_DISPLAY")) return std::nullopt;
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "-platform") return std::nullopt;
    if (!Set("DISPLAY")) return Line("DISPLAY is not set");
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!reached) return Line(std::string("nothing answers at DISPLAY=") + std::getenv("DISPLAY"));
    return std::nullopt;
}

} // namespace zindra
