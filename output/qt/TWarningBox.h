#pragma once

#include "output/Copy.h"

#include <QDialog>

class QCheckBox;

namespace zindra {

// The clipboard warning window: explains that some programs drop the font of
// a pasted bar code. Its check box writes the model's NoWarningBox.
class TWarningBox : public QDialog {
  public:
    TWarningBox(WarningBoxModel& model, QWidget* mainWindow);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    WarningBoxModel& model_;
    QCheckBox* noWarningBox_;
};

} // namespace zindra
