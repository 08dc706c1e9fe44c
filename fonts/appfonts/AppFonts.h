#pragma once

#include <QString>
#include <QStringList>

namespace zindra {

// Folders that may hold our bar-code faces, most specific first: the build
// tree this program was built in, then the installed share/fonts/zindra
// beside the program.
QStringList BarCodeFontFolders();

// Registers every face found in those folders as a Qt application font, so
// the samples show bars before (or without) the fonts being installed for the
// user. Returns the number of font files registered. Needs a QGuiApplication.
int RegisterBarCodeFonts();

} // namespace zindra
