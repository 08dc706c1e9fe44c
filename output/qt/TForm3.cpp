#include "output/qt/TForm3.h"

#include "engine/Utf8.h"
#include "output/LabelText.h"
#include "output/qt/PrintPreview.h"
#include "output/qt/SheetPrint.h"
#include "ui/MainWindowModel.h"
#include "ui/qt/ModelText.h"
#include "ui/qt/Placement.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zindra {
namespace {

// A titled frame holding one widget per label size, one under the other.
QGroupBox* Column(const char* title, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    new QVBoxLayout(frame);
    return frame;
}

QPushButton* Button(const char* caption, const char* name, const char* hint, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    return button;
}

} // namespace

TForm3::TForm3(LabelsWindowModel& model, const MainWindowModel& main, QWidget* mainWindow)
    : QDialog(mainWindow), model_(model), main_(main) {
    setObjectName("Form3");
    setWindowTitle("Label Printing");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("What size label do you want to print?", this));

    auto* frames = new QHBoxLayout;
    QGroupBox* sizeFrame = Column("Label Size ", this);
    QGroupBox* countFrame = Column("Labels / Sheet ", this);
    QGroupBox* numberFrame = Column("Label Number ", this);
    auto* group = new QButtonGroup(this);
    for (std::size_t i = 0; i < LabelStocks.size(); ++i) {
        const LabelStock& stock = LabelStocks[i];
        sizes_[i] = new QRadioButton(FromModel(stock.Caption), sizeFrame);
        sizes_[i]->setObjectName(stock.Button);
        group->addButton(sizes_[i], static_cast<int>(i) + 1);
        sizeFrame->layout()->addWidget(sizes_[i]);
        countFrame->layout()->addWidget(new QLabel(FromModel(stock.PerSheet), countFrame));
        numberFrame->layout()->addWidget(new QLabel(FromModel(stock.StockNumber), numberFrame));
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int size) {
        model_.CheckLabelSize(size);
        ShowChosenSheet();
    });
    frames->addWidget(sizeFrame);
    frames->addWidget(countFrame);
    frames->addWidget(numberFrame);
    layout->addLayout(frames);

    explainPaste_ = new QCheckBox("Explain how to paste a bar code on to a label", this);
    explainPaste_->setObjectName("ExplainPaste");
    explainPaste_->setToolTip(
        "Pop up a window explaining how to paste your bar code into your word processor");
    connect(explainPaste_, &QCheckBox::toggled, this,
            [this](bool on) { model_.SetExplainPaste(on); });
    layout->addWidget(explainPaste_);

    // "Print a sheet…" prints on any stock the command line knows, A4 too.
    auto* sheetRow = new QHBoxLayout;
    sheets_ = new QComboBox(this);
    sheets_->setObjectName("SheetToPrint");
    sheets_->setToolTip("The label sheet \"Print a sheet\u2026\" prints on");
    for (const SheetStock& stock : SheetStocks())
        sheets_->addItem(QString::fromStdString(SheetCaption(stock)),
                         QString::fromStdString(stock.Name));
    auto* sheetLabel = new QLabel("&Sheet to print:", this);
    sheetLabel->setBuddy(sheets_);
    connect(sheets_, &QComboBox::activated, this, [this](int index) {
        model_.ChooseSheet(sheets_->itemData(index).toString().toStdString());
    });
    sheetRow->addWidget(sheetLabel);
    sheetRow->addWidget(sheets_, 1);
    layout->addLayout(sheetRow);

    auto* buttons = new QHBoxLayout;
    QPushButton* print = Button("&Print Labels", "PrintLabels",
                                "Open the selected label template in your word processor", this);
    QPushButton* exit = Button("&Return", "ExitLabels",
                               "Don't open the label template- return back to the utility", this);
    connect(print, &QPushButton::clicked, this, [this] {
        model_.PrintLabelsClick();
        CloseIfDone();
    });
    connect(exit, &QPushButton::clicked, this, [this] {
        model_.ExitLabelsClick();
        CloseIfDone();
    });
    printSheet_ = Button("Print a sheet\u2026", "PrintSheet",
                         "Print the bar code on every label of the sheet chosen above", this);
    connect(printSheet_, &QPushButton::clicked, this, [this] { PrintSheet(); });
    buttons->addWidget(print);
    buttons->addWidget(printSheet_);
    buttons->addWidget(exit);
    layout->addLayout(buttons);
}

void TForm3::showEvent(QShowEvent* event) {
    model_.FormShow();
    sizes_[model_.CheckedLabelSize() - 1]->setChecked(true);
    explainPaste_->setChecked(model_.ExplainPaste());
    ShowChosenSheet();
    QDialog::showEvent(event);
}

void TForm3::ShowChosenSheet() {
    sheets_->setCurrentIndex(sheets_->findData(QString::fromStdString(model_.SheetName())));
}

void TForm3::setVisible(bool visible) {
    if (visible) PlaceBeside(this, QPoint(main_.Left, main_.Top), LabelsWindowPlacement);
    QDialog::setVisible(visible);
}

// The print dialog chooses the printer or "Print to File (PDF)"; the sheet's
// own paper and the labels' places come from the stock, whatever the dialog
// says about them, so the printer must print at 100 %.
void TForm3::PrintSheet() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName("labels"); // "Print to File (PDF)" offers labels.pdf
    // What Make made, not the data field: typing after Make keeps MadeFlag.
    const BarOptions choices = main_.ReadOptions();
    const MadeResult result = main_.MadeFlag.value_or(MadeResult{});
    const MadeBarCode made{main_.CurrentSymbology(), main_.BarCodeOut.WholeFont().Face,
                           result.FontString, main_.BarCodeOut.WholeFont().Size,
                           HumanReadableLine(choices.symbology, choices.VariantChoice,
                                             ToUtf8(result.Data), ToUtf8(main_.HumanText))};
    const SheetStock& stock = model_.ChosenSheet();
    if (const auto why = PreviewThenPrint(printer, this, "Print a sheet", [&](QPrinter& on) {
            return PrintFullSheet(on, stock, made);
        })) {
        std::u16string text;
        DecodeUtf8(*why, text);
        main_.platform.MessageBox(text, MessageBoxOffset);
    }
}

void TForm3::CloseIfDone() {
    if (model_.Closed()) accept();
}

} // namespace zindra
