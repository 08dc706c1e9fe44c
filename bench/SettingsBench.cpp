// The settings file's share of start-up and closing: the first activation
// (restore and the first tip) and the closing save, on a settings file padded
// with blank lines, as a user's editor or a careless script may leave it.

#include "tests/settings/FakePlaces.h"
#include "tests/settings/HeadlessProgram.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace zindra {
namespace {

const std::string SettingsText =
    "[TipoftheDay]\nEnabled=1\nPosition=0\nMaximum=1\n[Tips]\n0=First\n1=Second\n"
    "[Settings]\nType=93\nFontSize=B\nData=ABC123\nLabelSize=7\n";

class PaddedFile {
  public:
    explicit PaddedFile(std::size_t blankLines) {
        std::string pattern = "/tmp/zindra-bench-XXXXXX";
        places.Documents = ::mkdtemp(pattern.data());
        std::filesystem::create_directory(places.Documents / "Zindra");
        text = std::string(blankLines, '\n') + SettingsText;
    }
    ~PaddedFile() { std::filesystem::remove_all(places.Documents); }
    void Put() const {
        std::ofstream(places.Documents / "Zindra" / "zindratips.ini", std::ios::binary) << text;
    }

    test::FakePlaces places;
    std::string text;
};

void StartUpOnPaddedFile(benchmark::State& state) {
    PaddedFile file(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        file.Put();
        test::Program program(file.places);
        state.ResumeTiming();
        program.window.Activate();
        benchmark::DoNotOptimize(program.window.MadeFlag);
    }
}

void CloseOnPaddedFile(benchmark::State& state) {
    PaddedFile file(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        file.Put();
        test::Program program(file.places);
        program.window.Activate();
        state.ResumeTiming();
        program.window.Close();
    }
}

// No padding, just under the 1 MB the program reads, and ten times that.
BENCHMARK(StartUpOnPaddedFile)
    ->Arg(0)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CloseOnPaddedFile)
    ->Arg(0)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zindra

BENCHMARK_MAIN();
