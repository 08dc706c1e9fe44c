#include "settings/qt/QtDesktopPlaces.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

namespace zindra {
namespace {

std::filesystem::path LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

std::filesystem::path QtDesktopPlaces::DocumentsFolder() const {
    return LocalPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

std::filesystem::path QtDesktopPlaces::ProgramFile() const {
    return LocalPath(QCoreApplication::applicationFilePath());
}

} // namespace zindra
