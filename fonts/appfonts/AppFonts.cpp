#include "fonts/appfonts/AppFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace zindra {

QString BuildTreeFontFolder() {
    // Canonical paths on both sides: a build tree reached through a symbolic
    // link is still the build tree, and a build tree that no longer exists
    // (an installed copy on another machine) never matches.
    const QString buildTree = QDir(QStringLiteral(ZINDRA_BUILD_DIR)).canonicalPath();
    const QString programDir = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    if (buildTree.isEmpty() || !programDir.startsWith(buildTree + QLatin1Char('/'))) return {};
    return QStringLiteral(ZINDRA_FONT_BUILD_DIR);
}

int RegisterBarCodeFonts() {
    const QString folder = BuildTreeFontFolder();
    if (folder.isEmpty()) return 0;
    const QDir dir(folder);
    int registered = 0;
    for (const QString& file : dir.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name))
        if (QFontDatabase::addApplicationFont(dir.absoluteFilePath(file)) >= 0) ++registered;
    return registered;
}

} // namespace zindra
