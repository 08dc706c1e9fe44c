#include "output/qt/OutputPart.h"

#include "output/qt/TForm3.h"
#include "output/qt/TWarningBox.h"

namespace zindra {

OutputPart::OutputPart(MainWindowModel& window, QWidget* mainWindow, const DesktopPlaces& places)
    : platform_(mainWindow), windows_(window, platform_, places),
      warningDialog_(new TWarningBox(windows_.WarningBox, mainWindow)),
      labelsDialog_(new TForm3(windows_.Labels, window, mainWindow)) {}

QDialog* OutputPart::WarningDialog() const {
    return warningDialog_;
}

QDialog* OutputPart::LabelsDialog() const {
    return labelsDialog_;
}

} // namespace zindra
