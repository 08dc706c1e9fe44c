#include "output/qt/OutputPart.h"

#include "output/qt/TForm3.h"
#include "output/qt/TWarningBox.h"
#include "ui/qt/QtPlatform.h"

namespace zindra {

// The windows are children of the main window, as Qt parents own them.
OutputPart::OutputPart(MainWindowModel& window, QtPlatform& platform, QWidget* mainWindow,
                       const DesktopPlaces& places)
    : platform_(mainWindow), windows_(window, platform_, places) {
    platform.AddWindow(ProgramWindow::TWarningBox, [this, mainWindow] {
        return new TWarningBox(windows_.WarningBox, mainWindow);
    });
    platform.AddWindow(ProgramWindow::TForm3, [this, &window, mainWindow] {
        return new TForm3(windows_.Labels, window, mainWindow);
    });
}

} // namespace zindra
