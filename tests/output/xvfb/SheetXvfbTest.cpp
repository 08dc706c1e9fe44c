// "Print a sheet…" of the Labels window on a real X server: the button is
// clicked and the print dialog accepted with xdotool's X events, and the
// sheet that "Print to File (PDF)" writes is read back with pdftotext and
// zbarimg. Runs under xvfb-run with the xcb platform.

#include "fonts/appfonts/AppFonts.h"
#include "output/qt/OutputPart.h"
#include "product/ProductFolder.h"
#include "tests/MissingTool.h"
#include "tests/output/qt/PdfWords.h"
#include "ui/MainWindowModel.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/TForm1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>

namespace zindra {
namespace {

constexpr double Inch = 72.0;
constexpr int GiveUpMs = 30000;

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

bool Shown(QWidget* widget) {
    return widget && widget->isVisible() && widget->windowHandle() &&
           widget->windowHandle()->isExposed();
}

// A real click: the pointer moves to the widget's middle and presses there.
void XClick(QWidget* widget) {
    const QPoint at = widget->mapToGlobal(widget->rect().center());
    QProcess::startDetached("xdotool", {"mousemove", "--sync", QString::number(at.x()),
                                        QString::number(at.y()), "click", "1"});
}

void XKey(QWidget* window, const char* key) {
    QProcess::startDetached(
        "xdotool", {"windowfocus", "--sync", QString::number(window->winId()), "key", key});
}

// zbarimg's lines for the PDF's page, rasterised at 300 dpi.
QStringList Decoded(const QString& pdf) {
    QProcess::execute("pdftoppm", {"-r", "300", "-gray", "-png", "-singlefile", pdf, pdf});
    QProcess zbar;
    zbar.start("zbarimg", {"--nodbus", "-q", pdf + ".png"});
    zbar.waitForFinished(GiveUpMs);
    return QString::fromUtf8(zbar.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

struct SheetCase {
    const char* what;
    const char* typedAfterMake; // with X key events, no Make after it
};

const SheetCase SheetCases[] = {
    {"as made", ""},
    // Typing does not clear MadeFlag: the sheet must still be what Make made.
    {"data typed after Make", "WRONG1"},
};

class XSheet : public ::testing::TestWithParam<SheetCase> {};

TEST_P(XSheet, PrintASheetFillsEveryLabelThroughThePrintDialog) {
    for (const char* tool : {"xdotool", "pdftotext", "pdftoppm", "zbarimg"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            ZINDRA_TOOL_MISSING(std::string("no ") + tool);
    // "Print to File (PDF)" offers labels.pdf in the current folder under HOME.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QDir::setCurrent(home.path());

    QtPlatform platform;
    MainWindowModel main{platform};
    TForm1 form{main, platform};
    NoPlaces places;
    OutputPart output{main, &form, places};
    platform.AddWindow("TWarningBox", output.WarningDialog());
    platform.AddWindow("TForm3", output.LabelsDialog());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    auto* data = static_cast<QLineEdit*>(form.WidgetOf(ControlId::BarTextInput));
    QTest::keyClicks(data, "CODE39");
    static_cast<QAbstractButton*>(form.WidgetOf(ControlId::MakeButtonClick))->click();
    ASSERT_TRUE(main.MadeFlag);
    if (const QString typed = GetParam().typedAfterMake; !typed.isEmpty()) {
        data->selectAll();
        QProcess::startDetached(
            "xdotool", {"windowfocus", "--sync", QString::number(form.winId()), "type", typed});
        for (int waited = 0; data->text() != typed && waited < GiveUpMs; waited += 50)
            QTest::qWait(50);
        ASSERT_EQ(data->text(), typed);
        ASSERT_TRUE(main.MadeFlag);
    }
    output.Labels().CheckLabelSize(7); // L7: stock 5163, 2 x 5 labels of 4 x 2 in

    // The Labels window and the print dialog are modal: the steps run from a
    // timer inside their event loops, each once its window is there.
    QDialog* labels = output.LabelsDialog();
    const QString pdf = QDir(home.path()).filePath("labels.pdf");
    int step = 0;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (step == 0 && Shown(labels) && !dialog) {
            XClick(labels->findChild<QPushButton*>("PrintSheet"));
            step = 1;
        } else if (step == 1 && Shown(dialog)) {
            XKey(dialog, "Return"); // "Print", with "Print to File (PDF)" chosen
            step = 2;
        } else if (step == 2 && !dialog && QFileInfo(pdf).size() > 0) {
            XClick(labels->findChild<QPushButton*>("ExitLabels"));
            step = 3;
        }
    });
    driver.start(100);
    QTimer::singleShot(GiveUpMs, [&] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            modal->reject();
        labels->reject();
    });
    static_cast<QAbstractButton*>(form.WidgetOf(ControlId::PrintLabel))->click();
    driver.stop();
    ASSERT_EQ(step, 3) << "the sheet was not printed to " << pdf.toStdString();

    const auto pages = test::ReadPdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].words.size(), 10u);
    for (std::size_t i = 0; i < pages[0].words.size(); ++i) {
        const test::PdfWord& word = pages[0].words[i];
        EXPECT_EQ(word.text, "*CODE39*") << i;
        // 5163: 0.15625 in from the left, 0.5 in from the top, columns 4.1875 in apart.
        const double left = (0.15625 + (i % 2) * 4.1875) * Inch;
        const double top = (0.5 + static_cast<double>(i / 2) * 2) * Inch;
        EXPECT_NEAR((word.xMin + word.xMax) / 2, left + 2 * Inch, 1.0) << i;
        EXPECT_GT(word.yMin, top) << i;
        EXPECT_LT(word.yMax, top + 2 * Inch) << i;
    }
    const QStringList read = Decoded(pdf);
    EXPECT_FALSE(read.isEmpty());
    for (const QString& line : read)
        EXPECT_EQ(line.toStdString(), "CODE-39:CODE39");
}

INSTANTIATE_TEST_SUITE_P(Rows, XSheet, ::testing::ValuesIn(SheetCases));

} // namespace
} // namespace zindra

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zindra::RegisterBarCodeFonts(); // the sheet sets the bar code in our face
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
