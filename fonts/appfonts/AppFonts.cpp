#include "fonts/appfonts/AppFonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace zindra {

QStringList BarCodeFontFolders() {
    QStringList folders;
    folders << QStringLiteral(ZINDRA_FONT_BUILD_DIR);
    folders << QDir(QCoreApplication::applicationDirPath())
                   .absoluteFilePath(QStringLiteral("../" ZINDRA_FONT_INSTALL_DIR));
    return folders;
}

int RegisterBarCodeFonts() {
    for (const QString& folder : BarCodeFontFolders()) {
        const QDir dir(folder);
        const QStringList files = dir.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name);
        if (files.isEmpty()) continue;
        int registered = 0;
        for (const QString& file : files)
            if (QFontDatabase::addApplicationFont(dir.absoluteFilePath(file)) >= 0) ++registered;
        return registered;  // the first folder that has faces wins
    }
    return 0;
}

} // namespace zindra
