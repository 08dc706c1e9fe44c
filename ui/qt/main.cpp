#include "fonts/appfonts/AppFonts.h"
#include "ui/MainWindowModel.h"
#include "ui/qt/HelpLocation.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/TForm1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zindra"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zindra"));
    zindra::RegisterBarCodeFonts();

    zindra::QtPlatform platform;
    zindra::MainWindowModel model(platform);
    model.HelpFile = zindra::HelpIndexPath().toStdString();

    // The windows are created hidden, the main window first; the clipboard
    // warning, About, Tip and Labels windows follow here in that order, each
    // registered with platform.AddWindow under its class name.
    zindra::TForm1 form1(model, platform);

    form1.show();
    return app.exec();
}
