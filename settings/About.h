#pragma once

#include "product/ProductFolder.h"
#include "product/Version.h"
#include "ui/Platform.h"

#include <filesystem>
#include <string>

namespace zindra {

class MainWindowModel;

inline constexpr char16_t ProductName[] = u"Zindra";
inline constexpr char16_t ProductVersion[] = u"" ZINDRA_VERSION;
inline constexpr char ManualFileName[] = "Zindras.rtf";

inline constexpr char UpdateCheckAddress[] =
    "https://www.orvalle-type.example.com/update?v=zndra7qk-7.0";
inline constexpr char ProductPageAddress[] = "https://www.orvalle-type.example.com/zindra/";

// Where the view places the About window each time it is shown.
inline constexpr WindowOffset AboutWindowOffset{131, 109};

// The About window's address lines from the maker's record:
// "100 Sample Street, Suite 200" and "Exampleton, EX 00000".
std::u16string MakerStreetLine();
std::u16string MakerCityLine();

// "V" followed by the version: "V7.0".
std::u16string VersionLabel();

// "Copyright © 2026 Orvalle Type, Inc." for the year given.
std::u16string AboutNotice(int year);

// The manual to open: in the product folder when it is there, else the
// installed copy; never the current folder, which depends on where the
// program was started from.
std::filesystem::path ManualLocation(const DesktopPlaces& places,
                                     const std::filesystem::path& installedManualFolder);

// The About window (TForm2) without a window system.
class AboutWindow {
  public:
    AboutWindow(MainWindowModel& window, const DesktopPlaces& places,
                std::filesystem::path installedManualFolder);

    std::u16string CurVersion;  // set once, by start-up
    std::u16string StaticText6; // the notice, set on every activation

    void FormActivate(int currentYear);
    // The update check and the product page open in the browser; the main
    // window's data field gets the focus first.
    void CurVersionClick();
    void StaticText8Click();
    // The manual opens; the focus stays where it is.
    void BitBtn2Click();

  private:
    MainWindowModel& window_;
    const DesktopPlaces& places_;
    std::filesystem::path installedManualFolder_;
};

} // namespace zindra
