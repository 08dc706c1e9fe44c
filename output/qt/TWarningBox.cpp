#include "output/qt/TWarningBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zindra {
namespace {

constexpr const char* WarningLines[] = {
    "We copy both the bar code font and data to the",
    "clip board, but not all Windows applications",
    "support pasting font information. Once you paste",
    "this bar code into your application, if you do not",
    "see a bar code (you only see the data) you will",
    "need to highlight the bar code data and then",
    "select one of our bar code fonts for it.",
};

constexpr QSize ClientSize(295, 191);

} // namespace

TWarningBox::TWarningBox(WarningBoxModel& model, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      model_(model) {
    setObjectName("WarningBox");
    setWindowTitle("Clip Board Warning");
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);

    auto* note = new QLabel("Note!", this);
    note->setObjectName("Label1");
    QFont noteFont = note->font();
    noteFont.setBold(true);
    noteFont.setPointSizeF(noteFont.pointSizeF() * 1.5);
    note->setFont(noteFont);
    note->setAlignment(Qt::AlignHCenter);
    layout->addWidget(note);

    int number = 2;
    for (const char* line : WarningLines) {
        auto* label = new QLabel(line, this);
        label->setObjectName(QString("Label%1").arg(number++));
        layout->addWidget(label);
    }

    noWarningBox_ = new QCheckBox("Don't show this warning box again", this);
    noWarningBox_->setObjectName("NoWarningBox");
    connect(noWarningBox_, &QCheckBox::toggled, this,
            [this](bool on) { model_.NoWarningBox = on; });
    layout->addSpacing(6);
    layout->addWidget(noWarningBox_);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);

    // At least the window's designed size; larger where the desktop's font needs it.
    setFixedSize(sizeHint().expandedTo(ClientSize));
}

void TWarningBox::showEvent(QShowEvent* event) {
    noWarningBox_->setChecked(model_.NoWarningBox);
    if (parentWidget())
        move(parentWidget()->geometry().center() - QPoint(width() / 2, height() / 2));
    QDialog::showEvent(event);
}

} // namespace zindra
