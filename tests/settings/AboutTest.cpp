#include "StartUpFixture.h"

namespace zindra {
namespace {

using enum ControlId;
using test::StartUpTest;

TEST(AboutTest, TheAddressFitsTheWindowsTwoLines) {
    EXPECT_EQ(MakerStreetLine(), u"100 Sample Street, Suite 200");
    EXPECT_EQ(MakerCityLine(), u"Exampleton, EX 00000");
}

TEST_F(StartUpTest, TheWebLinksMoveTheFocusToTheDataField) {
    auto& [places, platform, window, labels, about, tips, startUp] = *run;
    window.SetFocus(Extra);
    about.CurVersionClick();
    EXPECT_EQ(window.Focus(), BarTextInput);
    EXPECT_EQ(platform.Calls.back(),
              "open https://www.orvalle-type.example.com/update?v=zndra7qk-7.0");

    window.SetFocus(Extra);
    about.StaticText8Click();
    EXPECT_EQ(window.Focus(), BarTextInput);
    EXPECT_EQ(platform.Calls.back(), "open https://www.orvalle-type.example.com/zindra/");
}

TEST_F(StartUpTest, TheManualOpensFromTheProductFolderWhereverTheProgramStarted) {
    auto& [places, platform, window, labels, about, tips, startUp] = *run;
    window.SetFocus(Extra);
    about.BitBtn2Click(); // no copy in the product folder: the installed one
    EXPECT_EQ(platform.Calls.back(), "open /usr/share/zindra/Zindras.rtf");
    EXPECT_EQ(window.Focus(), Extra);

    Install(test::TipData);
    test::WriteText(Folder() / "Zindras.rtf", "{\\rtf1 }");
    about.BitBtn2Click();
    EXPECT_EQ(platform.Calls.back(), "open " + (Folder() / "Zindras.rtf").string());
}

} // namespace
} // namespace zindra
