#pragma once

#include "ui/Platform.h"

#include <QWidget>

namespace zindra {

// Puts `window` this far right of and below the main window's top-left
// corner, both measured on the outside of their frames. Call it before the
// window is shown: a window that has never been shown then keeps the point as
// its frame's corner, and one shown before knows its frame already. Placed
// after showing, a first showing under a window manager puts the inside of
// the window there, a title bar too high. The size is settled first: a
// window that Qt sizes while showing it loses the frame-inclusive position.
inline void PlaceBeside(QWidget* window, QPoint mainCorner, WindowOffset offset) {
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    window->move(mainCorner + QPoint(offset.Right, offset.Down));
}

inline void PlaceBeside(QWidget* window, const QWidget* mainWindow, WindowOffset offset) {
    if (mainWindow) PlaceBeside(window, mainWindow->frameGeometry().topLeft(), offset);
}

} // namespace zindra
