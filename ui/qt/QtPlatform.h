#pragma once

#include "ui/Platform.h"

#include <QPointer>

#include <functional>
#include <map>
#include <string>

class QDialog;
class QString;
class QWidget;

namespace zindra {

// The desktop as Qt offers it. The program's other windows register here so
// the model can show them by name.
class QtPlatform : public Platform {
  public:
    void Beep() override;
    int ShowModal(ProgramWindow window) override;
    void OpenDocument(const std::string& location) override;
    void MessageBox(std::u16string_view text, std::optional<WindowOffset> at) override;

    // The window message boxes are placed against and owned by.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }
    void AddWindow(ProgramWindow which, QDialog* window);

    // Runs before anything modal opens, so the main window shows the model's
    // state while it waits.
    std::function<void()> BeforeModal;

  private:
    void PrepareModal();
    // A failure of the desktop, told as the program's other warnings are.
    void Report(const QString& text);

    QPointer<QWidget> mainWindow_;
    std::map<ProgramWindow, QPointer<QDialog>> windows_;
};

} // namespace zindra
