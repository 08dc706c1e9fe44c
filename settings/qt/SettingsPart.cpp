#include "settings/qt/SettingsPart.h"

#include "settings/qt/HintPolicy.h"
#include "settings/qt/TForm2.h"
#include "settings/qt/TTip.h"
#include "ui/qt/QtPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zindra {

std::filesystem::path InstalledManualFolder() {
    const QString installed =
        QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                            .absoluteFilePath(QStringLiteral("../" ZINDRA_PRODUCT_INSTALL_DIR)));
    const QString built = QStringLiteral(ZINDRA_PRODUCT_BUILD_DIR);
    const QString& folder =
        QFileInfo::exists(installed + QStringLiteral("/") + QString::fromLatin1(ManualFileName))
            ? installed
            : built;
    return QFile::encodeName(folder).toStdString();
}

// The windows are children of the main window, as Qt parents own them.
SettingsPart::SettingsPart(MainWindowModel& window, QtPlatform& platform, QWidget* mainWindow,
                           const DesktopPlaces& places, LabelChoices& labels)
    : about_(window, places, InstalledManualFolder()), tips_(window, places),
      startUp_(window, places, labels, about_),
      hints_(new HintPolicy(startUp_.Hints, QCoreApplication::instance())) {
    platform.AddWindow(ProgramWindow::TForm2,
                       [this, mainWindow] { return new TForm2(about_, mainWindow); });
    platform.AddWindow(ProgramWindow::TTip,
                       [this, mainWindow] { return new TTip(tips_, mainWindow); });
    startUp_.Install();
    QCoreApplication::instance()->installEventFilter(hints_);
}

} // namespace zindra
