#pragma once

#include "output/Labels.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

namespace zindra {

// The Labels window: mirrors the Labels window model and forwards the user's
// clicks to it; it is created once and hidden between uses.
class TForm3 : public QDialog {
  public:
    TForm3(LabelsWindowModel& model, const MainWindowModel& main, QWidget* mainWindow);

  protected:
    void setVisible(bool visible) override;
    void showEvent(QShowEvent* event) override;

  private:
    void CloseIfDone();
    void PrintSheet();
    void ShowChosenSheet();

    LabelsWindowModel& model_;
    const MainWindowModel& main_;
    std::array<QRadioButton*, LabelStocks.size()> sizes_{};
    QCheckBox* explainPaste_;
    QComboBox* sheets_;
    QPushButton* printSheet_;
};

} // namespace zindra
