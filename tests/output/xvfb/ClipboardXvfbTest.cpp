// The program's own windows on a real X server: type the data, press Make
// and Copy in the main window, close the clipboard warning, and read the
// clipboard with xclip from another process while our event loop serves it.
// Runs under xvfb-run with the xcb platform.

#include "output/qt/OutputPart.h"
#include "product/ProductFolder.h"
#include "tests/MissingTool.h"
#include "tests/output/RtfReader.h"
#include "ui/MainWindowModel.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/TForm1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace zindra {
namespace {

// A documents folder that is surely not there: a missing name in a fresh folder.
class NoPlaces : public DesktopPlaces {
  public:
    std::filesystem::path DocumentsFolder() const override {
        return std::filesystem::path(root_.path().toStdString()) / "missing";
    }
    std::filesystem::path ProgramFile() const override { return "/usr/bin/zindra"; }

  private:
    QTemporaryDir root_;
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
        if (QStandardPaths::findExecutable("xclip").isEmpty()) ZINDRA_TOOL_MISSING("no xclip");
        form.show();
    }

    void Press(ControlId button) { static_cast<QAbstractButton*>(form.WidgetOf(button))->click(); }

    void Type(const QString& data) {
        auto* edit = static_cast<QLineEdit*>(form.WidgetOf(ControlId::BarTextInput));
        edit->clear();
        QTest::keyClicks(edit, data);
    }

    // Presses Copy; the warning, once it shows, is closed with its close box.
    bool CopyClosingTheWarning(bool tickNoWarning) {
        bool warned = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = platform.Window(zindra::ProgramWindow::TWarningBox);
            warned = dialog->isVisible();
            if (tickNoWarning) dialog->findChild<QCheckBox*>("NoWarningBox")->click();
            dialog->reject();
        });
        Press(ControlId::CopyButtonClick);
        QApplication::processEvents();
        return warned;
    }

    QtPlatform platform;
    MainWindowModel main{platform};
    TForm1 form{main, platform};
    NoPlaces places;
    OutputPart output{main, platform, &form, places};
};

TEST_F(XClipboard, MakeAndCopyOfferRichAndPlainText) {
    Type("CODE39");
    Press(ControlId::MakeButtonClick);
    ASSERT_TRUE(main.MadeFlag);
    EXPECT_TRUE(CopyClosingTheWarning(false));

    const QList<QByteArray> targets = ReadClipboard("TARGETS").split('\n');
    for (const char* target : {"text/rtf", "text/html", "text/plain", "UTF8_STRING"})
        EXPECT_TRUE(targets.contains(target)) << target;
    EXPECT_EQ(ReadClipboard("UTF8_STRING").toStdString(), "*CODE39*  ");
    EXPECT_EQ(main.BarCodeOut.Text(), u"*CODE39*  ");

    const auto rtf = test::ReadRtf(ReadClipboard("text/rtf").toStdString());
    ASSERT_EQ(rtf.Runs.size(), 1u);
    EXPECT_EQ(rtf.Runs[0], test::Styled("Tessary 39 d", 24, u"*CODE39*  "));
}

// The warning window is made when Copy first needs it, not at start-up, and
// is the same window at every later Copy.
TEST_F(XClipboard, TheWarningWindowIsMadeAtTheFirstCopyAndKept) {
    EXPECT_TRUE(form.findChildren<QDialog*>().isEmpty());
    Type("CODE39");
    Press(ControlId::MakeButtonClick);
    ASSERT_TRUE(main.MadeFlag);
    EXPECT_TRUE(CopyClosingTheWarning(false));
    EXPECT_TRUE(CopyClosingTheWarning(false));
    const QList<QDialog*> made = form.findChildren<QDialog*>();
    ASSERT_EQ(made.size(), 1);
    EXPECT_EQ(made[0]->objectName(), "WarningBox");
}

TEST_F(XClipboard, TickedWarningStaysAwayAndHighCodesArriveAsUtf8) {
    Press(ControlId::Radio128);
    Press(ControlId::GB3b5);
    Type("00614141123456789");
    Press(ControlId::MakeButtonClick);
    ASSERT_TRUE(main.MadeFlag);
    EXPECT_TRUE(CopyClosingTheWarning(true));
    EXPECT_FALSE(CopyClosingTheWarning(false));
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
