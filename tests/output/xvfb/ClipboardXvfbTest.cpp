// Copies a made bar code onto a real X11 clipboard and reads it back with
// xclip from another process while our event loop serves the selection.
// Runs under xvfb-run with the xcb platform.

#include "output/OutputWindows.h"
#include "output/qt/QtOutputPlatform.h"
#include "settings/ProductFolder.h"
#include "tests/output/RtfReader.h"
#include "ui/MainWindowModel.h"
#include "ui/RecordingPlatform.h"

#include <QApplication>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

#include <gtest/gtest.h>

namespace zindra {
namespace {

class NoPlaces : public DesktopPlaces {
  public:
    std::filesystem::path DocumentsFolder() const override { return "/nonexistent"; }
    std::filesystem::path ProgramFile() const override { return "/usr/bin/zindra"; }
};

// xclip's answer for one target, read while the event loop keeps running.
QByteArray ReadClipboard(const char* target) {
    QProcess xclip;
    QEventLoop loop;
    QObject::connect(&xclip, &QProcess::finished, &loop, &QEventLoop::quit);
    xclip.start("xclip", {"-selection", "clipboard", "-t", target, "-o"});
    loop.exec();
    return xclip.readAllStandardOutput();
}

class XClipboard : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("xclip").isEmpty()) GTEST_SKIP() << "no xclip";
        window.show();
        output.WarningBox.NoWarningBox = true;
    }

    void MakeAndCopy(std::u16string_view data) {
        main.SetText(ControlId::BarTextInput, data);
        main.Click(ControlId::MakeButtonClick);
        ASSERT_TRUE(main.MadeFlag);
        main.Click(ControlId::CopyButtonClick);
    }

    QWidget window;
    RecordingPlatform platform;
    QtOutputPlatform qtOutput{&window};
    NoPlaces places;
    MainWindowModel main{platform};
    OutputWindows output{main, qtOutput, places};
};

TEST_F(XClipboard, OffersRichAndPlainTextOfTheSample) {
    MakeAndCopy(u"CODE39");
    const QList<QByteArray> targets = ReadClipboard("TARGETS").split('\n');
    for (const char* target : {"text/rtf", "text/html", "text/plain", "UTF8_STRING"})
        EXPECT_TRUE(targets.contains(target)) << target;

    EXPECT_EQ(ReadClipboard("UTF8_STRING").toStdString(), "*CODE39*  ");

    const auto rtf = test::ReadRtf(ReadClipboard("text/rtf").toStdString());
    ASSERT_EQ(rtf.Runs.size(), 1u);
    EXPECT_EQ(rtf.Runs[0], test::Styled("Tessary 39 d", 24, u"*CODE39*  "));
}

TEST_F(XClipboard, HighCodesSurviveAsUtf8PlainText) {
    main.Select(ControlId::Radio128);
    main.Select(ControlId::GB3b5);
    MakeAndCopy(u"00614141123456789");
    // "}", FNC1 206, the pairs, 194, "?~" and the two spaces, in UTF-8.
    EXPECT_EQ(ReadClipboard("UTF8_STRING").toStdString(), "}\xC3\x8E!!^JJ-CYo\xC3\x82?~  ");
}

} // namespace
} // namespace zindra

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
