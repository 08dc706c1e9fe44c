#include "settings/qt/TForm2.h"

#include "product/Maker.h"
#include "ui/qt/ModelText.h"
#include "ui/qt/Placement.h"

#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace zindra {
namespace {

void SetFontStyle(QLabel* label, bool bold, bool underline) {
    QFont font = label->font();
    font.setBold(bold);
    font.setUnderline(underline);
    label->setFont(font);
}

constexpr int ClientWidth = 200;
constexpr int TextMargin = 10;
constexpr int ClientHeight = 210;

} // namespace

TForm2::TForm2(AboutWindow& model, QWidget* mainWindow)
    : QDialog(mainWindow), model_(model), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(ClientWidth, ClientHeight);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    SetFontStyle(AddText("StaticText7", FromModel(ProductName), 10), true, false);
    AddText("StaticText1", FromModel(Maker.CompanyName), 32);
    AddText("StaticText2", FromModel(MakerStreetLine()), 50);
    AddText("StaticText3", FromModel(MakerCityLine()), 68);
    AddText("StaticText4", QStringLiteral("Phone: ") + FromModel(Maker.Phone), 86);

    curVersion_ = AddText("CurVersion", {}, 108);
    SetFontStyle(curVersion_, false, true);
    curVersion_->setToolTip(QStringLiteral("Check the web for an update"));
    staticText8_ = AddText("StaticText8", FromModel(Maker.WebAddress), 126);
    SetFontStyle(staticText8_, true, true);
    staticText8_->setToolTip(QStringLiteral("Click to visit the web site product page"));
    for (QLabel* link : {curVersion_, staticText8_}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
    staticText6_ = AddText("StaticText6", {}, 146);

    auto* manual = new QPushButton(QStringLiteral("Manual"), this);
    manual->setObjectName(QStringLiteral("BitBtn2"));
    manual->setToolTip(QStringLiteral("Display the product manual"));
    manual->setGeometry(16, 172, 80, 28);
    connect(manual, &QPushButton::clicked, this, [this] { model_.BitBtn2Click(); });

    auto* back = new QPushButton(this);
    back->setObjectName(QStringLiteral("BitBtn1"));
    back->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    back->setToolTip(QStringLiteral("Return to the program"));
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    FitTexts(back);
}

// At least the designed width, wider where the web address or the notice
// (this year's) would be clipped in the desktop's font.
void TForm2::FitTexts(QPushButton* back) {
    const QString notice = FromModel(AboutNotice(QDate::currentDate().year()));
    int widest = 0;
    for (QLabel* label : findChildren<QLabel*>()) {
        const QString& text = label == staticText6_ ? notice : label->text();
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(text));
    }
    const int width = std::max(ClientWidth, widest + 2 * TextMargin + 4);
    setFixedSize(width, ClientHeight);
    for (QLabel* label : findChildren<QLabel*>())
        label->setGeometry(TextMargin, label->y(), width - 2 * TextMargin, label->height());
    back->setGeometry(width - 16 - 40, 172, 40, 28);
}

QLabel* TForm2::AddText(const char* name, const QString& text, int top) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(TextMargin, top, ClientWidth - 2 * TextMargin, 18);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("background: white; color: black;"));
    return label;
}

void TForm2::Sync() {
    curVersion_->setText(FromModel(model_.CurVersion));
    staticText6_->setText(FromModel(model_.StaticText6));
}

void TForm2::setVisible(bool visible) {
    if (visible) PlaceBeside(this, mainWindow_, AboutWindowOffset);
    QDialog::setVisible(visible);
}

void TForm2::showEvent(QShowEvent* event) {
    model_.FormActivate(QDate::currentDate().year());
    Sync();
    QDialog::showEvent(event);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == curVersion_) model_.CurVersionClick();
        if (watched == staticText8_) model_.StaticText8Click();
    }
    return QDialog::eventFilter(watched, event);
}

// The picture behind the texts: a white card on a band of bars, the product's
// own subject.
void TForm2::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    constexpr int widths[] = {2, 1, 3, 1, 1, 2, 3, 1, 2, 1};
    int x = 0;
    for (int i = 0; x < width(); ++i) {
        const int w = widths[i % std::size(widths)];
        if (i % 2 == 0) painter.fillRect(x, 0, w, 6, QColor(40, 40, 40));
        x += w + 1;
    }
}

} // namespace zindra
