#include "settings/qt/SettingsPart.h"

#include "settings/qt/HintPolicy.h"
#include "settings/qt/TForm2.h"
#include "settings/qt/TTip.h"

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

SettingsPart::SettingsPart(MainWindowModel& window, QWidget* mainWindow,
                           const DesktopPlaces& places, LabelChoices& labels)
    : about_(window, places, InstalledManualFolder()), tips_(window, places),
      startUp_(window, places, labels, about_), aboutDialog_(new TForm2(about_, mainWindow)),
      tipDialog_(new TTip(tips_, mainWindow)),
      hints_(new HintPolicy(startUp_.Hints, QCoreApplication::instance())) {
    startUp_.Install();
    QCoreApplication::instance()->installEventFilter(hints_);
}

QDialog* SettingsPart::AboutDialog() const {
    return aboutDialog_;
}
QDialog* SettingsPart::TipDialog() const {
    return tipDialog_;
}

} // namespace zindra
