#include "ui/WindowPlacement.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace zindra {
namespace {

// The nearest value to `value` that keeps a span of `length` from `value`
// within [low, low + room); a span longer than the room starts at `low`.
int Within(int value, int length, int low, int room) {
    return std::max(low, std::min(value, low + room - length));
}

} // namespace

WindowCorner KeepTitleBarOnScreen(WindowCorner wanted, int width, int titleHeight,
                                  std::span<const ScreenArea> screens) {
    WindowCorner best = wanted;
    long bestDistance = std::numeric_limits<long>::max();
    for (const ScreenArea& screen : screens) {
        const WindowCorner moved{Within(wanted.Left, width, screen.Left, screen.Width),
                                 Within(wanted.Top, titleHeight, screen.Top, screen.Height)};
        const long distance = std::labs(static_cast<long>(moved.Left) - wanted.Left) +
                              std::labs(static_cast<long>(moved.Top) - wanted.Top);
        if (distance < bestDistance) {
            best = moved;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace zindra
