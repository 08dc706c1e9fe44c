#include "ui/qt/HelpLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zindra {

QString HelpIndexPath() {
    const QString installed =
        QDir(QCoreApplication::applicationDirPath())
            .absoluteFilePath(QStringLiteral("../" ZINDRA_HELP_INSTALL_DIR "/index.html"));
    const QString built = QStringLiteral(ZINDRA_HELP_BUILD_DIR "/index.html");
    for (const QString& candidate : {installed, built})
        if (QFileInfo::exists(candidate)) return QDir::cleanPath(candidate);
    return QDir::cleanPath(installed);
}

} // namespace zindra
