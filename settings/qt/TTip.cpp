#include "settings/qt/TTip.h"

#include "ui/qt/ModelText.h"
#include "ui/qt/Placement.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zindra {
namespace {

QPushButton* FlatButton(const QString& caption, const QString& hint, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setFlat(true);
    button->setToolTip(hint);
    return button;
}

} // namespace

TTip::TTip(TipWindow& model, QWidget* mainWindow)
    : QDialog(mainWindow), model_(model), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("Tip"));
    setWindowTitle(QStringLiteral("Tip of the Day"));
    setFixedSize(300, 180);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setGeometry(10, 10, 280, 89);
    memo1_->setReadOnly(true);
    memo1_->setFrameShape(QFrame::NoFrame);
    memo1_->setFocusPolicy(Qt::NoFocus);
    memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo1_->setStyleSheet(QStringLiteral("background: transparent;"));

    tipLabel_ = new QLabel(this);
    tipLabel_->setObjectName(QStringLiteral("TipLabel"));
    tipLabel_->setGeometry(10, 104, 280, 20);
    tipLabel_->setAttribute(Qt::WA_TranslucentBackground);

    auto* previous = FlatButton(QStringLiteral("&Previous"), {}, this);
    previous->setObjectName(QStringLiteral("SpeedButton1"));
    auto* next = FlatButton(QStringLiteral("&Next"), QStringLiteral("Show the next tip"), this);
    next->setObjectName(QStringLiteral("NextTip"));
    auto* exit =
        FlatButton(QStringLiteral("E&xit"), QStringLiteral("Return back to the program"), this);
    exit->setObjectName(QStringLiteral("ExitTips"));
    previous->setGeometry(10, 140, 86, 28);
    next->setGeometry(107, 140, 86, 28);
    exit->setGeometry(204, 140, 86, 28);

    connect(previous, &QPushButton::clicked, this,
            [this] { Forward(&TipWindow::SpeedButton1Click); });
    connect(next, &QPushButton::clicked, this, [this] { Forward(&TipWindow::NextTipClick); });
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    Sync();
}

void TTip::Forward(void (TipWindow::*operation)()) {
    (model_.*operation)();
    Sync();
}

void TTip::Sync() {
    memo1_->setPlainText(FromModel(model_.View.Memo1));
    tipLabel_->setText(FromModel(model_.View.TipLabel));
}

void TTip::setVisible(bool visible) {
    if (visible) PlaceBeside(this, mainWindow_, TipWindowOffset);
    QDialog::setVisible(visible);
}

void TTip::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Once the window is up, so that a warning about the tip file opens over it.
    QMetaObject::invokeMethod(
        this, [this] { Forward(&TipWindow::FormActivate); }, Qt::QueuedConnection);
}

// The background: a pale sheet with a warm band along the top.
void TTip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient shade(0, 0, 0, height());
    shade.setColorAt(0, QColor(255, 247, 214));
    shade.setColorAt(1, QColor(255, 255, 250));
    painter.fillRect(rect(), shade);
    painter.fillRect(0, 0, width(), 4, QColor(224, 168, 48));
}

} // namespace zindra
