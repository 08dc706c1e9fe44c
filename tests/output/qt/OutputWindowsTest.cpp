#include "output/qt/QtOutputPlatform.h"
#include "output/qt/TForm3.h"
#include "output/qt/TWarningBox.h"

#include "tests/output/OutputFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>

namespace zindra {
namespace {

TEST(ClipboardMimeData, OffersRtfHtmlAndPlainText) {
    const ClipboardContent content{"{\\rtf1 x}", "<p>x</p>", u"*CODE39*  "};
    std::unique_ptr<QMimeData> data(ClipboardMimeData(content));
    for (const char* type : {"text/rtf", "text/richtext", "application/rtf"})
        EXPECT_EQ(data->data(type).toStdString(), content.Rtf) << type;
    EXPECT_EQ(data->html().toStdString(), content.Html);
    EXPECT_EQ(data->text(), "*CODE39*  ");
}

class LabelsWindow : public test::OutputFixture {
  protected:
    QRadioButton* Size(const char* name) { return form.findChild<QRadioButton*>(name); }
    QCheckBox* Explain() { return form.findChild<QCheckBox*>("ExplainPaste"); }
    QPushButton* Button(const char* name) { return form.findChild<QPushButton*>(name); }

    TForm3 form{windows.Labels, window, nullptr};
};

TEST_F(LabelsWindow, ShowsTheNineSizes) {
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"L1", "1.75 x 0.50"}, {"L3", "2.625 x 1.00"}, {"L8", "4.00 x 3.33"}, {"L9", "Custom"}};
    for (const auto& [name, caption] : captions) {
        ASSERT_NE(Size(name), nullptr) << name;
        EXPECT_EQ(Size(name)->text(), caption);
    }
    QStringList frames;
    for (const QGroupBox* frame : form.findChildren<QGroupBox*>())
        frames << frame->title();
    EXPECT_EQ(frames, (QStringList{"Label Size ", "Labels / Sheet ", "Label Number "}));
    QStringList texts;
    for (const QLabel* label : form.findChildren<QLabel*>())
        texts << label->text();
    for (const char* text :
         {"What size label do you want to print?", "80", "User defined", "5167", "6570", "---"})
        EXPECT_TRUE(texts.contains(text)) << text;
    EXPECT_EQ(form.windowTitle(), "Label Printing");
    EXPECT_EQ(Button("PrintLabels")->text(), "&Print Labels");
    EXPECT_EQ(Button("ExitLabels")->text(), "&Return");
}

TEST_F(LabelsWindow, KeepsItsChoicesBetweenOpeningsAndOpensBesideTheMainWindow) {
    window.Left = 200;
    window.Top = 150;
    form.show();
    EXPECT_TRUE(Size("L4")->isChecked());
    EXPECT_TRUE(Explain()->isChecked());
    EXPECT_EQ(form.pos(), QPoint(284, 175));

    Size("L6")->click();
    Explain()->click();
    Button("ExitLabels")->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(windows.Labels.CheckedLabelSize(), 6);
    EXPECT_FALSE(windows.Labels.ExplainPaste());

    form.show();
    EXPECT_TRUE(Size("L6")->isChecked());
    EXPECT_FALSE(Explain()->isChecked());
    form.hide();
}

TEST_F(LabelsWindow, PrintLabelsOpensTheTemplateAndCloses) {
    Make(u"CODE39");
    places.AddToProductFolder("ot161.rtf");
    form.show();
    Explain()->setChecked(false);
    Button("PrintLabels")->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(
        platform.Calls,
        (std::vector<std::string>{
            "clipboard", "open " + (places.DocumentsFolder() / "Zindra" / "ot161.rtf").string()}));
}

TEST(WarningBox, TickingTheBoxIsKeptForTheRun) {
    WarningBoxModel model;
    TWarningBox box(model, nullptr);
    EXPECT_EQ(box.windowTitle(), "Clip Board Warning");
    EXPECT_EQ(box.findChild<QLabel*>("Label1")->text(), "Note!");
    EXPECT_EQ(box.findChild<QLabel*>("Label8")->text(), "select one of our bar code fonts for it.");
    auto* ok = box.findChild<QPushButton*>("OKBtn");
    EXPECT_TRUE(ok->isDefault());

    box.show();
    auto* check = box.findChild<QCheckBox*>("NoWarningBox");
    EXPECT_EQ(check->text(), "Don't show this warning box again");
    EXPECT_FALSE(check->isChecked());
    check->click();
    ok->click();
    EXPECT_FALSE(box.isVisible());
    EXPECT_TRUE(model.NoWarningBox);
    EXPECT_GE(box.width(), 295);
    EXPECT_GE(box.height(), 191);
}

} // namespace
} // namespace zindra
