#pragma once

// A main window model with output connected, on recording platforms, with a
// temporary documents folder.

#include "output/OutputWindows.h"
#include "product/ProductFolder.h"
#include "ui/MainWindowModel.h"
#include "ui/RecordingPlatform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

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

class TemporaryPlaces : public DesktopPlaces {
  public:
    TemporaryPlaces() {
        std::random_device random;
        documents_ = std::filesystem::temp_directory_path() /
                     ("zindra-output-test-" + std::to_string(random()));
        std::filesystem::create_directories(documents_);
    }
    ~TemporaryPlaces() override { std::filesystem::remove_all(documents_); }

    std::filesystem::path DocumentsFolder() const override { return documents_; }
    std::filesystem::path ProgramFile() const override { return "/usr/bin/zindra"; }

    // Puts a file into the product folder, as the installer or the user does.
    void AddToProductFolder(const std::string& name) const {
        std::filesystem::create_directories(documents_ / "Zindra");
        std::ofstream(documents_ / "Zindra" / name) << "{\\rtf1 }";
    }

  private:
    std::filesystem::path documents_;
};

class OutputFixture : public ::testing::Test {
  protected:
    // Makes a bar code from `data` with the window's current choices.
    void Make(std::u16string_view data) {
        main.SetText(ControlId::BarTextInput, data);
        main.MakeButtonClickClick();
        ASSERT_TRUE(main.MadeFlag) << "Make failed";
        platform.Calls.clear();
    }

    RecordingPlatform platform;
    RecordingOutputPlatform output{platform.Calls};
    TemporaryPlaces places;
    MainWindowModel main{platform};
    OutputWindows windows{main, output, places};
};

} // namespace zindra::test
