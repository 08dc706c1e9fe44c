// The two handlers that run on every keystroke in the point-size box, on a
// window that has just made a bar code: PointSizeChange (the whole handler)
// and RefreshSample (the re-styling step it shares with the font handlers);
// and Make itself, the press of the button, on the longest data.

#include "bench/RepeatedText.h"
#include "ui/MainWindowModel.h"
#include "tests/RecordingPlatform.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace zindra {
namespace {

using bench::LongestData;
using bench::Repeat;
using enum ControlId;

// Two valid sizes taken in turn, so every edit really changes the sample's style.
constexpr std::array<std::u16string_view, 2> PointSizes = {u"24", u"30"};

struct MadeBarCode {
    const char* name;
    ControlId symbology;
    ControlId variant; // GroupBox3 where the symbology's default is kept
    ControlId tick;    // the sums or checksum box ticked before Make
    std::u16string data;
};

const MadeBarCode MadeBarCodes[] = {
    {"code39-checksum", Radio39, GroupBox3, OptionalChecksum, u"CODE39"},
    // The restyle searches the sample for the output, so the longest text is the worst case.
    {"code39-checksum-longest", Radio39, GroupBox3, OptionalChecksum,
     Repeat(u"ABCD4567", LongestData)},
    {"code128b-sums", Radio128, GB3b2, DispSums, u"ABcd4567"},
    {"code128auto-longest", Radio128, GB3b6, DispSums,
     Repeat(u"Ab\u0001 12345678 cd", LongestData)},
    // 48 data characters, the most a GS1-128 symbol holds
    {"gs1-128-longest", Radio128, GB3b7, DispSums,
     u"(00)006141411234567890(01)09501101530003(10)ABCDEFGHIJ"},
};

// The window as start-up leaves it, with the bar code made by pressing Make.
struct MadeWindow {
    explicit MadeWindow(const MadeBarCode& barCode) {
        window.ApplyCode39Look();
        window.Select(barCode.symbology);
        if (barCode.variant != GroupBox3) window.Select(barCode.variant);
        window.SetChecked(barCode.tick, true);
        window.UserEdit(BarTextInput, barCode.data);
        Make();
    }

    bool Make() {
        window.Click(MakeButtonClick);
        return window.MadeFlag.has_value();
    }

    RecordingPlatform platform;
    MainWindowModel window{platform};
};

// One keystroke in the point-size box: the text changes and PointSizeChange runs.
void PointSizeChange(benchmark::State& state, const MadeBarCode& barCode) {
    MadeWindow made(barCode);
    std::size_t edit = 0;
    for (auto _ : state) {
        // Under Code 128 or with sums the edit asks for a new Make; the next
        // keystroke must find a made bar code again, so Make runs untimed.
        if (!made.window.MadeFlag) {
            state.PauseTiming();
            const bool remade = made.Make();
            state.ResumeTiming();
            if (!remade) {
                state.SkipWithError("Make failed; nothing to restyle");
                break;
            }
        }
        made.window.UserEdit(PointSize, PointSizes[edit++ % PointSizes.size()]);
    }
    if (!made.platform.Calls.empty()) state.SkipWithError("the handler reported an error");
}

void RefreshSample(benchmark::State& state, const MadeBarCode& barCode) {
    MadeWindow made(barCode);
    if (!made.window.MadeFlag) state.SkipWithError("Make failed; nothing to restyle");
    for (auto _ : state)
        made.window.RefreshSample();
    if (!made.platform.Calls.empty()) state.SkipWithError("the handler reported an error");
}

void Make(benchmark::State& state, const MadeBarCode& barCode) {
    MadeWindow made(barCode);
    for (auto _ : state)
        if (!made.Make()) {
            state.SkipWithError("Make failed");
            break;
        }
}

const bool Registered = [] {
    for (const MadeBarCode& barCode : MadeBarCodes) {
        benchmark::RegisterBenchmark((std::string("PointSizeChange/") + barCode.name).c_str(),
                                     PointSizeChange, barCode);
        benchmark::RegisterBenchmark((std::string("RefreshSample/") + barCode.name).c_str(),
                                     RefreshSample, barCode);
        benchmark::RegisterBenchmark((std::string("Make/") + barCode.name).c_str(), Make, barCode);
    }
    return true;
}();

} // namespace
} // namespace zindra

BENCHMARK_MAIN();
