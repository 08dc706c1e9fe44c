#pragma once

#include <QString>

namespace zindra {

// The build tree's faces when this program runs from the build tree it was
// built in; empty for an installed program, whose faces fontconfig finds
// among the system's fonts like any other program's.
QString BuildTreeFontFolder();

// Registers the faces of BuildTreeFontFolder as Qt application fonts, so a
// program run from the build tree shows bars without anything installed.
// Returns the number of font files registered. Needs a QGuiApplication.
int RegisterBarCodeFonts();

} // namespace zindra
