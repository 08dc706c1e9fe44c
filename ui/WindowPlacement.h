#pragma once

#include <span>

namespace zindra {

// A rectangle on the desktop, in screen pixels.
struct ScreenArea {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

struct WindowCorner {
    int Left = 0;
    int Top = 0;

    bool operator==(const WindowCorner&) const = default;
};

// Where a window restored at `wanted` goes: there, when its whole title bar
// (`width` by `titleHeight` from the corner) lies on one of the screens' usable
// areas; otherwise the nearest corner that puts the title bar on a screen, so
// a position saved under another monitor layout cannot hide the window. A
// window wider than a screen keeps its left edge on that screen. Without any
// screen the wanted corner is kept.
WindowCorner KeepTitleBarOnScreen(WindowCorner wanted, int width, int titleHeight,
                                  std::span<const ScreenArea> screens);

} // namespace zindra
