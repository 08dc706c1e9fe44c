#include "tests/TestText.h"
#include "tests/output/OutputFixture.h"
#include "tests/output/RtfReader.h"

namespace zindra {
namespace {

using Calls = std::vector<std::string>;

class Copy : public test::OutputFixture {};

TEST_F(Copy, RefusedBeforeMake) {
    window.SetText(ControlId::BarTextInput, u"CODE39");
    window.Click(ControlId::CopyButtonClick);
    EXPECT_EQ(test::Show(window.Text(ControlId::BarTextOut)),
              "Must click \"Make\" before copying to clip board");
    EXPECT_EQ(window.BarCodeOut.Text(), u"");
    EXPECT_FALSE(window.MadeFlag);
    EXPECT_EQ(window.Focus(), ControlId::BarTextInput);
    EXPECT_EQ(platform.Calls, (Calls{"beep"}));
}

TEST_F(Copy, WarnsThenCopiesTheSampleWithItsFace) {
    Make(u"CODE39");
    window.Click(ControlId::CopyButtonClick);
    EXPECT_EQ(platform.Calls, (Calls{"modal TWarningBox", "clipboard"}));

    const ClipboardContent& copied = output.Clipboard.back();
    EXPECT_EQ(copied.PlainText, u"*CODE39*  ");
    const auto rtf = test::ReadRtf(copied.Rtf);
    ASSERT_EQ(rtf.Runs.size(), 1u);
    EXPECT_EQ(rtf.Runs[0], test::Styled("Tessary 39 d", 24, u"*CODE39*  "));
    EXPECT_NE(copied.Html.find("Tessary 39 d"), std::string::npos);

    // The whole sample stays selected, and the bar code can be copied again.
    EXPECT_EQ(window.BarCodeOut.SelStart(), 0);
    EXPECT_EQ(window.BarCodeOut.SelLength(), 10);
    EXPECT_TRUE(window.MadeFlag);
    EXPECT_EQ(window.Focus(), ControlId::BarTextInput);
}

TEST_F(Copy, ARefusedClipboardIsReported) {
    Make(u"CODE39");
    output.ClipboardFree = false;
    window.Click(ControlId::CopyButtonClick);
    EXPECT_EQ(platform.Calls,
              (Calls{"modal TWarningBox", "clipboard",
                     "message @100,100 The bar code could not be placed on the clipboard: another "
                     "program holds it.\nPlease try Copy again."}));
    EXPECT_TRUE(window.MadeFlag);
}

TEST_F(Copy, NoWarningOnceTheBoxIsTicked) {
    Make(u"CODE39");
    // The user ticks the box inside the warning window the first time.
    platform.WhileModal = [this](ProgramWindow) {
        windows.WarningBox.NoWarningBox = true;
        return 0;
    };
    window.Click(ControlId::CopyButtonClick);
    window.Click(ControlId::CopyButtonClick);
    EXPECT_EQ(platform.Calls, (Calls{"modal TWarningBox", "clipboard", "clipboard"}));
}

TEST_F(Copy, SsccCarriesBothLinesEachInItsFace) {
    window.Select(ControlId::Radio128);
    window.Select(ControlId::GB3b5);
    window.Select(ControlId::Type2);
    Make(u"00614141123456789");
    window.Click(ControlId::CopyButtonClick);

    const ClipboardContent& copied = output.Clipboard.back();
    const std::u16string barCode = test::U("}\u00CE!!^JJ-CYo\u00C2?~");
    EXPECT_EQ(test::Show(copied.PlainText), test::Show(barCode + u"  \n (00) 00614141123456789 0"));

    // Read back, the line break may fall to either run; the faces and sizes
    // of the two lines are what matters.
    const auto rtf = test::ReadRtf(copied.Rtf);
    ASSERT_EQ(rtf.Runs.size(), 2u);
    EXPECT_EQ(rtf.Runs[0].Style, (CharStyle{"Tessary Code 128C d", 24}));
    EXPECT_EQ(rtf.Runs[0].Text.substr(0, barCode.size()), barCode);
    EXPECT_EQ(rtf.Runs[1].Style, (CharStyle{"Arial", 7}));
    EXPECT_EQ(rtf.Runs[0].Text + rtf.Runs[1].Text, copied.PlainText);
}

} // namespace
} // namespace zindra
