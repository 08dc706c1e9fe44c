#pragma once

#include "settings/About.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace zindra {

// The About window: the product, its maker, the version and the links.
class TForm2 : public QDialog {
    Q_OBJECT

  public:
    TForm2(AboutWindow& model, QWidget* mainWindow);

  protected:
    void setVisible(bool visible) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* AddText(const char* name, const QString& text, int top);
    void FitTexts(QPushButton* back);
    void Sync();

    AboutWindow& model_;
    QWidget* mainWindow_;
    QLabel* curVersion_ = nullptr;
    QLabel* staticText8_ = nullptr;
    QLabel* staticText6_ = nullptr;
};

} // namespace zindra
