#pragma once

#include "ui/Platform.h"

#include <functional>
#include <string>
#include <vector>

namespace zindra {

// Records every platform action as one line of UTF-8 text, in order:
//   "beep", "modal TForm3", "open /path/index.html",
//   "message @100,100 text" (a placed warning), "message text" (the error report).
class RecordingPlatform : public Platform {
  public:
    void Beep() override;
    int ShowModal(ProgramWindow window) override;
    void OpenDocument(const std::string& location) override;
    void MessageBox(std::u16string_view text, std::optional<WindowOffset> at) override;

    std::vector<std::string> Calls;

    // What a modal window does while it is open; its result is ShowModal's.
    std::function<int(ProgramWindow window)> WhileModal;
};

} // namespace zindra
