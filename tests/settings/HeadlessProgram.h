#pragma once

// The settings part of the program as the window wires it, headless: for the
// start-up tests and the settings benchmark.

#include "settings/About.h"
#include "settings/StartUp.h"
#include "settings/TipWindow.h"
#include "ui/MainWindowModel.h"
#include "tests/RecordingPlatform.h"

#include <algorithm>
#include <string>

namespace zindra::test {

struct FakeLabels : LabelChoices {
    int Size = 4;
    bool Explain = true;
    std::string Sheet = "5161";

    int CheckedLabelSize() const override { return Size; }
    void CheckLabelSize(int size) override { Size = size; }
    bool ExplainPaste() const override { return Explain; }
    void SetExplainPaste(bool explain) override { Explain = explain; }
    std::string SheetName() const override { return Sheet; }
    void ChooseSheet(std::string_view name) override {
        if (!name.empty()) Sheet = name;
    }
};

// One run of the program: its windows as the program creates them.
struct Program {
    explicit Program(const DesktopPlaces& places) : places(places) {
        startUp.Install();
        platform.WhileModal = [this](ProgramWindow window) {
            if (window == ProgramWindow::TTip) tips.FormActivate();
            return 0;
        };
    }

    bool Called(const std::string& call) const {
        return std::ranges::find(platform.Calls, call) != platform.Calls.end();
    }

    const DesktopPlaces& places;
    RecordingPlatform platform;
    MainWindowModel window{platform};
    FakeLabels labels;
    AboutWindow about{window, places, "/usr/share/zindra"};
    TipWindow tips{window, places};
    StartUp startUp{window, places, labels, about};
};

} // namespace zindra::test
