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
// the model can show them by name; each is made the first time it is asked
// for, so a window the user never opens costs the start nothing.
class QtPlatform : public Platform {
  public:
    void Beep() override;
    int ShowModal(ProgramWindow window) override;
    void OpenDocument(const std::string& location) override;
    void MessageBox(std::u16string_view text, std::optional<WindowOffset> at) override;

    // The window message boxes are placed against and owned by.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }
    using WindowMaker = std::function<QDialog*()>;
    void AddWindow(ProgramWindow which, WindowMaker make);
    // The registered window, made now if this is its first use; null when
    // none is registered under that name.
    QDialog* Window(ProgramWindow which);

    // Runs before anything modal opens, so the main window shows the model's
    // state while it waits.
    std::function<void()> BeforeModal;

  private:
    void PrepareModal();
    // A failure of the desktop, told as the program's other warnings are.
    void Report(const QString& text);

    QPointer<QWidget> mainWindow_;
    struct Registered {
        WindowMaker make;
        QPointer<QDialog> made;
    };
    std::map<ProgramWindow, Registered> windows_;
};

} // namespace zindra
