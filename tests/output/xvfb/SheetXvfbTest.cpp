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
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
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

QPrintPreviewWidget* PreviewPages() {
    auto* preview = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!preview || preview->objectName() != "PrintPreview" || !Shown(preview)) return nullptr;
    return preview->findChild<QPrintPreviewWidget*>("PreviewPages");
}

// The PDF files "Print to File (PDF)" left in `folder`.
QStringList PdfsIn(const QString& folder) {
    return QDir(folder).entryList({"*.pdf"}, QDir::Files);
}

struct SheetCase {
    const char* what;
    const char* typedAfterMake; // with X key events, no Make after it
    const char* sheet;          // chosen in the window's list; "" keeps L7's own 5163
    bool cancelPreview;         // Cancel in the preview: nothing may be printed
};

const SheetCase SheetCases[] = {
    {"as made", "", "", false},
    // Typing does not clear MadeFlag: the sheet must still be what Make made.
    {"data typed after Make", "WRONG1", "", false},
    {"an A4 sheet", "", "a4-63.5x38.1", false},
    {"cancelled in the preview", "", "", true},
};

// Where the labels of a sheet stand, in points from the page's top-left corner.
struct SheetGrid {
    const char* name;
    double pageWidth, pageHeight, left, top, labelWidth, labelHeight, columnPitch;
    int columns, labels;
};
constexpr double Mm = Inch / 25.4;
// 5163: 0.15625 in from the left, 0.5 in from the top, columns 4.1875 in apart.
// a4-63.5x38.1: the 3 x 7 grid with 2.5 mm gaps centred on A4.
const SheetGrid Grids[] = {
    {"5163", 8.5 * Inch, 11 * Inch, 0.15625 * Inch, 0.5 * Inch, 4 * Inch, 2 * Inch, 4.1875 * Inch,
     2, 10},
    {"a4-63.5x38.1", 210 * Mm, 297 * Mm, (210 - 3 * 63.5 - 2 * 2.5) / 2 * Mm,
     (297 - 7 * 38.1) / 2 * Mm, 63.5 * Mm, 38.1 * Mm, 66 * Mm, 3, 21},
};

// The program's windows as the program wires them, on a fresh HOME that is
// also the current folder ("Print to File (PDF)" offers its file there), with
// CODE39 made.
struct MadeWindow {
    MadeWindow() {
        qputenv("HOME", home.path().toLocal8Bit());
        QDir::setCurrent(home.path());
    }
    // Shows the window and makes CODE39; false when either fails.
    bool ShowAndMake() {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) return false;
        QTest::keyClicks(Data(), "CODE39");
        static_cast<QAbstractButton*>(form.WidgetOf(ControlId::MakeButtonClick))->click();
        return main.MadeFlag.has_value();
    }
    QLineEdit* Data() const {
        return static_cast<QLineEdit*>(form.WidgetOf(ControlId::BarTextInput));
    }

    QTemporaryDir home;
    QtPlatform platform;
    MainWindowModel main{platform};
    TForm1 form{main, platform};
    NoPlaces places;
    OutputPart output{main, platform, &form, places};
};

class XSheet : public ::testing::TestWithParam<SheetCase> {};

TEST_P(XSheet, PrintASheetShowsThePreviewThenPrintsEveryLabel) {
    for (const char* tool : {"xdotool", "pdftotext", "pdftoppm", "zbarimg"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            ZINDRA_TOOL_MISSING(std::string("no ") + tool);
    const SheetCase& row = GetParam();
    MadeWindow window;
    ASSERT_TRUE(window.ShowAndMake());
    const QTemporaryDir& home = window.home;
    const MainWindowModel& main = window.main;
    TForm1& form = window.form;
    OutputPart& output = window.output;
    QLineEdit* data = window.Data();
    if (const QString typed = row.typedAfterMake; !typed.isEmpty()) {
        data->selectAll();
        QProcess::startDetached(
            "xdotool", {"windowfocus", "--sync", QString::number(form.winId()), "type", typed});
        for (int waited = 0; data->text() != typed && waited < GiveUpMs; waited += 50)
            QTest::qWait(50);
        ASSERT_EQ(data->text(), typed);
        ASSERT_TRUE(main.MadeFlag);
    }
    output.Labels().CheckLabelSize(7); // L7: stock 5163, 2 x 5 labels of 4 x 2 in
    QDialog* labels = window.platform.Window(zindra::ProgramWindow::TForm3);
    auto* sheets = labels->findChild<QComboBox*>("SheetToPrint");
    ASSERT_NE(sheets, nullptr);
    const QString sheet = *row.sheet ? row.sheet : "5163";

    // The Labels window, the preview and the print dialog are modal: the steps
    // run from a timer inside their event loops, each once its window is there.
    const QString pdf = QDir(home.path()).filePath("labels.pdf");
    int step = 0;
    int previewPages = 0;
    QString listed;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (step == 0 && Shown(labels) && QApplication::activeModalWidget() == labels) {
            if (*row.sheet) {
                // The list is chosen by the keyboard, as a user without a mouse would.
                sheets->setFocus();
                QStringList keys{"windowfocus", "--sync", QString::number(labels->winId()), "key",
                                 "Home"};
                for (int i = 0; i < sheets->findData(QString(row.sheet)); ++i)
                    keys << "Down";
                QProcess::startDetached("xdotool", keys);
            }
            step = 1;
        } else if (step == 1 && sheets->currentData().toString() == sheet) {
            listed = sheets->currentText();
            XClick(labels->findChild<QPushButton*>("PrintSheet"));
            step = 2;
        } else if (step == 2 && PreviewPages()) {
            previewPages = PreviewPages()->pageCount();
            XKey(QApplication::activeModalWidget(), row.cancelPreview ? "Escape" : "Return");
            step = row.cancelPreview ? 4 : 3;
        } else if (step == 3 && Shown(dialog)) {
            XKey(dialog, "Return"); // "Print", with "Print to File (PDF)" chosen
            step = 4;
        } else if (step == 4 && QApplication::activeModalWidget() == labels &&
                   (row.cancelPreview || QFileInfo(pdf).size() > 0)) {
            XClick(labels->findChild<QPushButton*>("ExitLabels"));
            step = 5;
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
    ASSERT_EQ(step, 5) << "the window stopped at step " << step;
    EXPECT_EQ(previewPages, 1);
    EXPECT_TRUE(listed.endsWith("(" + sheet + ")")) << listed.toStdString();
    // The choice is the Labels window's, kept for the next opening and the settings.
    EXPECT_EQ(output.Labels().SheetName(), sheet.toStdString());
    if (row.cancelPreview) {
        EXPECT_EQ(PdfsIn(home.path()), QStringList{});
        return;
    }

    const SheetGrid& grid = *std::find_if(std::begin(Grids), std::end(Grids),
                                          [&](const SheetGrid& g) { return g.name == sheet; });
    const auto pages = test::ReadPdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].width, grid.pageWidth, 1.0);
    EXPECT_NEAR(pages[0].height, grid.pageHeight, 1.0);
    std::vector<test::PdfWord> bars;
    int dataLines = 0; // the data as a person keys it in, under the bars
    for (const test::PdfWord& word : pages[0].words)
        if (word.text == "*CODE39*")
            bars.push_back(word);
        else if (word.text == "CODE39")
            ++dataLines;
    ASSERT_EQ(bars.size(), static_cast<std::size_t>(grid.labels));
    EXPECT_EQ(dataLines, grid.labels);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const test::PdfWord& word = bars[i];
        const double left = grid.left + static_cast<double>(i % grid.columns) * grid.columnPitch;
        const double top = grid.top + static_cast<double>(i / grid.columns) * grid.labelHeight;
        EXPECT_NEAR((word.xMin + word.xMax) / 2, left + grid.labelWidth / 2, 1.0) << i;
        EXPECT_GT(word.yMin, top) << i;
        EXPECT_LT(word.yMax, top + grid.labelHeight) << i;
    }
    const QStringList read = Decoded(pdf);
    EXPECT_FALSE(read.isEmpty());
    for (const QString& line : read)
        EXPECT_EQ(line.toStdString(), "CODE-39:CODE39");
}

// The main window's Samples: the preview first; Cancel there prints nothing,
// Print… goes on to the print dialog and prints the page seen.
TEST(XSamples, SamplesShowsThePreviewBeforeThePrintDialog) {
    for (const char* tool : {"xdotool", "pdftotext"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            ZINDRA_TOOL_MISSING(std::string("no ") + tool);
    MadeWindow window;
    ASSERT_TRUE(window.ShowAndMake());
    const QTemporaryDir& home = window.home;
    TForm1& form = window.form;

    for (const bool cancel : {true, false}) {
        int step = 0;
        int previewPages = 0;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (step == 0 && PreviewPages()) {
                previewPages = PreviewPages()->pageCount();
                XKey(QApplication::activeModalWidget(), cancel ? "Escape" : "Return");
                step = 1;
            } else if (step == 1 && Shown(dialog)) {
                XKey(dialog, "Return");
                step = 2;
            }
        });
        driver.start(100);
        QTimer::singleShot(GiveUpMs, [&] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                modal->reject();
        });
        static_cast<QAbstractButton*>(form.WidgetOf(ControlId::PrintButtonClick))->click();
        driver.stop();
        EXPECT_EQ(previewPages, 1) << cancel;
        EXPECT_EQ(step, cancel ? 1 : 2) << cancel;
        const QStringList printed = PdfsIn(home.path());
        if (cancel) {
            EXPECT_EQ(printed, QStringList{});
            continue;
        }
        ASSERT_EQ(printed.size(), 1);
        const auto pages = test::ReadPdfPages(QDir(home.path()).filePath(printed[0]));
        ASSERT_EQ(pages.size(), 1u);
        const bool hasBars =
            std::any_of(pages[0].words.begin(), pages[0].words.end(),
                        [](const test::PdfWord& w) { return w.text == "*CODE39*"; });
        EXPECT_TRUE(hasBars);
    }
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
