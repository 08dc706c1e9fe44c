#include "tests/RecordingPlatform.h"

#include "engine/Utf8.h"

namespace zindra {
namespace {

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
    Calls.push_back(line + ToUtf8(text));
}

} // namespace zindra
