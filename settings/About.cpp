#include "settings/About.h"

#include "engine/Utf8.h"
#include "product/Maker.h"
#include "ui/MainWindowModel.h"

namespace zindra {

std::u16string MakerStreetLine() {
    return std::u16string(Maker.Street) + u", " + Maker.Unit;
}

std::u16string MakerCityLine() {
    return std::u16string(Maker.City) + u", " + Maker.State + u" " + Maker.PostalCode;
}

std::u16string VersionLabel() {
    return u"V" + std::u16string(ProductVersion);
}

std::u16string AboutNotice(int year) {
    return u"Copyright \u00a9 " + FromUtf8(std::to_string(year)) + u" " + Maker.CompanyName;
}

std::filesystem::path ManualLocation(const DesktopPlaces& places,
                                     const std::filesystem::path& installedManualFolder) {
    const auto userCopy = ProductFolder(places) / ManualFileName;
    std::error_code ec;
    return std::filesystem::is_regular_file(userCopy, ec) ? userCopy
                                                          : installedManualFolder / ManualFileName;
}

AboutWindow::AboutWindow(MainWindowModel& window, const DesktopPlaces& places,
                         std::filesystem::path installedManualFolder)
    : window_(window), places_(places), installedManualFolder_(std::move(installedManualFolder)) {}

void AboutWindow::FormActivate(int currentYear) {
    StaticText6 = AboutNotice(currentYear);
}

void AboutWindow::CurVersionClick() {
    window_.SetFocus(ControlId::BarTextInput);
    window_.platform.OpenDocument(UpdateCheckAddress);
}

void AboutWindow::StaticText8Click() {
    window_.SetFocus(ControlId::BarTextInput);
    window_.platform.OpenDocument(ProductPageAddress);
}

void AboutWindow::BitBtn2Click() {
    window_.platform.OpenDocument(ManualLocation(places_, installedManualFolder_).string());
}

} // namespace zindra
