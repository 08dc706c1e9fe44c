#pragma once

#include "tests/WindowSetUp.h"

#include <gtest/gtest.h>

#include <string>

namespace zindra::test {

// The window as start-up leaves it before restoring anything: created, then
// given the Code 39 look.
struct StartedWindow : RecordedWindow {
    StartedWindow() { window.ApplyCode39Look(); }
};

class WindowFixture : public ::testing::Test, protected StartedWindow {};

// A made bar code, as Make leaves it, without running an encoder.
inline void ShowMade(MainWindowModel& window, std::u16string fontString, std::u16string sample,
                     std::u16string sums = u"") {
    BarResult result;
    result.FontString = std::move(fontString);
    result.SumsText = std::move(sums);
    result.SampleText = std::move(sample);
    result.SampleSize = 24;
    window.ShowBarResult(result);
}

inline void ShowMadeCode39(MainWindowModel& window) {
    ShowMade(window, u"*CODE39W*", u"*CODE39W*  ");
}

} // namespace zindra::test
