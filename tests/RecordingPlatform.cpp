#include "tests/RecordingPlatform.h"

namespace zindra {
namespace {

// Messages are recorded as UTF-8 so tests can compare them with literals.
std::string Utf8(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

// Recorded by class name, as the lines in tests read.
std::string_view ClassName(ProgramWindow window) {
    switch (window) {
    case ProgramWindow::TWarningBox:
        return "TWarningBox";
    case ProgramWindow::TForm2:
        return "TForm2";
    case ProgramWindow::TTip:
        return "TTip";
    case ProgramWindow::TForm3:
        return "TForm3";
    }
    return "?";
}

} // namespace

void RecordingPlatform::Beep() {
    Calls.push_back("beep");
}

int RecordingPlatform::ShowModal(ProgramWindow window) {
    Calls.push_back("modal " + std::string(ClassName(window)));
    return WhileModal ? WhileModal(window) : 0;
}

void RecordingPlatform::OpenDocument(const std::string& location) {
    Calls.push_back("open " + location);
}

void RecordingPlatform::MessageBox(std::u16string_view text, std::optional<WindowOffset> at) {
    std::string line = "message ";
    if (at) line += "@" + std::to_string(at->Right) + "," + std::to_string(at->Down) + " ";
    Calls.push_back(line + Utf8(text));
}

} // namespace zindra
