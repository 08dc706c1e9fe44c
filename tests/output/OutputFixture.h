#pragma once

// A main window model with output connected, on recording platforms, with a
// temporary documents folder.

#include "output/OutputWindows.h"
#include "tests/WindowSetUp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zindra::test {

// Records output actions into the window platform's call list, so tests see
// one order of events: "clipboard" and "print".
class RecordingOutputPlatform : public OutputPlatform {
  public:
    explicit RecordingOutputPlatform(std::vector<std::string>& calls) : calls_(calls) {}

    bool SetClipboard(const ClipboardContent& content) override {
        calls_.push_back("clipboard");
        if (!ClipboardFree) return false;
        Clipboard.push_back(content);
        return true;
    }
    void PrintSamplePage(const SamplePageInput& page) override {
        calls_.push_back("print");
        Printed.push_back(page);
    }

    bool ClipboardFree = true; // false: the desktop refuses the clipboard
    std::vector<ClipboardContent> Clipboard;
    std::vector<SamplePageInput> Printed;

  private:
    std::vector<std::string>& calls_;
};

class OutputFixture : public ::testing::Test, protected RecordedWindow {
  protected:
    // Makes a bar code from `data` with the window's current choices.
    void Make(std::u16string_view data) {
        window.SetText(ControlId::BarTextInput, data);
        window.MakeButtonClickClick();
        ASSERT_TRUE(window.MadeFlag) << "Make failed";
        platform.Calls.clear();
    }

    RecordingOutputPlatform output{platform.Calls};
    TemporaryDesktop places;
    OutputWindows windows{window, output, places};
};

} // namespace zindra::test
