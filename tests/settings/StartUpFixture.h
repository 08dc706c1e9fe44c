#pragma once

// A headless main window with the settings part installed, on a temporary
// documents folder.

#include "HeadlessProgram.h"
#include "tests/WindowSetUp.h"

#include <gtest/gtest.h>

#include <memory>

namespace zindra::test {

// Two tips, the next one the first.
inline constexpr const char* TipData =
    "[TipoftheDay]\nEnabled=1\nPosition=0\nMaximum=1\n[Tips]\n0=First\n1=Second\n";

class StartUpTest : public ::testing::Test {
  protected:
    std::filesystem::path Folder() const { return places.ProductFolder(); }
    std::filesystem::path File() const { return Folder() / "zindratips.ini"; }

    // The product folder holding a settings file with `text`.
    void Install(const std::string& text) {
        std::filesystem::create_directories(Folder());
        WriteText(File(), text);
    }

    // A new run of the program, first activated on the tip data and these
    // lines of section Settings.
    Program& StartWith(const std::string& settingsLines) {
        Install(std::string(TipData) + "[Settings]\n" + settingsLines);
        run = std::make_unique<Program>(places);
        run->window.Activate();
        return *run;
    }

    std::u16string Saved(const char* key) const {
        return IniFile(File()).ReadString("Settings", key, u"(missing)");
    }

    TemporaryDesktop places;
    std::unique_ptr<Program> run = std::make_unique<Program>(places);
};

} // namespace zindra::test
