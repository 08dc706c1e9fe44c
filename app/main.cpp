#include "app/DisplayCheck.h"
#include "app/InfoOptions.h"
#include "fonts/appfonts/AppFonts.h"
#include "output/qt/OutputPart.h"
#include "product/ProductSeed.h"
#include "settings/qt/QtDesktopPlaces.h"
#include "settings/qt/SettingsPart.h"
#include "ui/MainWindowModel.h"
#include "ui/qt/HelpLocation.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/TForm1.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (const auto status = zindra::AnswerInfoOption(argc, argv)) return *status;
    if (const auto why = zindra::DisplayProblem(argc, argv)) {
        std::fprintf(stderr, "%s\n", why->c_str());
        return 1;
    }
    QApplication app(argc, argv);
    // The application's name only: a display name would be appended to every
    // window's caption ("About — Zindra").
    QApplication::setApplicationName(QStringLiteral("Zindra"));
    QApplication::setDesktopFileName(QStringLiteral("zindra"));
    zindra::RegisterBarCodeFonts();

    zindra::QtPlatform platform;
    zindra::QtDesktopPlaces places;
    // A user's first start on a shared installation fills the product folder
    // from the installed files; start-up then finds it as if the installer
    // had made it, or asks for a re-install when that was not possible.
    zindra::SeedProductFolder(zindra::ProductFolder(places),
                              zindra::InstalledProductFolders(places.ProgramFile()));
    zindra::MainWindowModel model(platform);
    model.HelpFile = zindra::HelpIndexPath().toStdString();

    // The main window is created hidden; the parts register the clipboard
    // warning, Labels, About and Tip windows with the platform, which makes
    // each when it is first shown.
    zindra::TForm1 form1(model, platform);
    zindra::OutputPart output(model, platform, &form1, places);
    zindra::SettingsPart settings(model, platform, &form1, places, output.Labels());

    form1.show();
    return app.exec();
}
