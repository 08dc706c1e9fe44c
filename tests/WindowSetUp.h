#pragma once

// What the window tests start from: the main window model on a recording
// platform, and a desktop whose documents folder is a fresh temporary one.

#include "tests/settings/FakePlaces.h"
#include "tests/settings/TempFolder.h"
#include "ui/MainWindowModel.h"
#include "tests/RecordingPlatform.h"

#include <string>

namespace zindra::test {

// Created and nothing more: no look applied, no handler run.
struct RecordedWindow {
    RecordingPlatform platform;
    MainWindowModel window{platform};
};

// Every test gets its own documents folder, so no test sees the machine's
// product folder or another test's files.
struct TemporaryDesktop : FakePlaces {
    TemporaryDesktop() { Documents = documents.Path(); }

    std::filesystem::path ProductFolder() const { return Documents / "Zindra"; }

    // Puts a file into the product folder, as the installer or the user does.
    void AddToProductFolder(const std::string& name) const {
        std::filesystem::create_directories(ProductFolder());
        WriteText(ProductFolder() / name, "{\\rtf1 }");
    }

    TempFolder documents;
};

} // namespace zindra::test
