#pragma once

#include "settings/TipWindow.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zindra {

// The Tip of the Day window: shows the model's tip, forwards its buttons.
class TTip : public QDialog {
    Q_OBJECT

  public:
    TTip(TipWindow& model, QWidget* mainWindow);

  protected:
    void setVisible(bool visible) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void Forward(void (TipWindow::*operation)());
    void Sync();

    TipWindow& model_;
    QWidget* mainWindow_;
    QPlainTextEdit* memo1_;
    QLabel* tipLabel_;
};

} // namespace zindra
