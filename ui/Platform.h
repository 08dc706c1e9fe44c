#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zindra {

// Where a message box opens: its top-left corner this far right of and below
// the main window's top-left corner.
struct WindowOffset {
    int Right = 0;
    int Down = 0;

    bool operator==(const WindowOffset&) const = default;
};

// The program's other windows, each named after its class.
enum class ProgramWindow { TWarningBox, TForm2, TTip, TForm3 };

// Every message box of the program, warning or error report, opens here.
inline constexpr WindowOffset MessageBoxOffset{100, 100};

// What the window model asks of the desktop. A Qt implementation runs the
// program; a recording one stands in for tests. Parts that need more (the
// clipboard, printing) derive their own interface from this one.
class Platform {
  public:
    virtual ~Platform() = default;

    virtual void Beep() = 0;

    // Shows another window of the program modally; returns its modal result
    // once it is closed.
    virtual int ShowModal(ProgramWindow window) = 0;

    // Hands a document or address to the desktop's "open" service. When the
    // desktop cannot open it (no application registered, a missing file),
    // the platform tells the user what could not be opened and why.
    virtual void OpenDocument(const std::string& location) = 0;

    // A message box with one OK button. With an offset it is a warning placed
    // relative to the main window; without, the program's error report,
    // centred.
    virtual void MessageBox(std::u16string_view text, std::optional<WindowOffset> at) = 0;
};

} // namespace zindra
