// The CSV reader of --batch against Debian's libcsv on the same input: the
// records compare-zint feeds both tools (one short field per line), read in
// the 64 KiB blocks --batch reads, each field copied out as --batch needs it.
// Before the timings it prints how each reader splits a malformed input.

#include "cli/Csv.h"

#include <benchmark/benchmark.h>
#include <csv.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr std::size_t Block = 64 * 1024;
constexpr int Records = 100000;

// Code 128-like records of 8 to 18 letters, digits and "-./ ", one per line.
std::string MakeInput() {
    constexpr std::string_view Alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-./";
    unsigned long long state = 1;
    const auto below = [&](unsigned long long n) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state >> 33) % n;
    };
    std::string input;
    for (int r = 0; r < Records; ++r) {
        const auto length = 8 + below(11);
        for (unsigned long long i = 0; i < length; ++i)
            input.push_back(Alphabet[below(Alphabet.size())]);
        input.push_back('\n');
    }
    return input;
}

const std::string& Input() {
    static const std::string input = MakeInput();
    return input;
}

std::size_t ZindraRecords(std::string_view input) {
    std::size_t records = 0;
    zindra::cli::CsvReader reader([&](const zindra::cli::CsvRecord& record) {
        benchmark::DoNotOptimize(record.Fields.data());
        ++records;
    });
    for (std::size_t at = 0; at < input.size(); at += Block)
        reader.Feed(input.substr(at, Block));
    reader.Finish();
    return records;
}

struct LibcsvRecord {
    std::vector<std::string> fields;
    std::size_t count = 0;
    std::size_t records = 0;
};

void LibcsvField(void* text, std::size_t size, void* data) {
    auto& record = *static_cast<LibcsvRecord*>(data);
    if (record.count == record.fields.size()) record.fields.emplace_back();
    record.fields[record.count++].assign(static_cast<const char*>(text), size);
}

void LibcsvEnd(int, void* data) {
    auto& record = *static_cast<LibcsvRecord*>(data);
    benchmark::DoNotOptimize(record.fields.data());
    record.count = 0;
    ++record.records;
}

// Records as libcsv hands them over; -1 when it stops at a fault.
long LibcsvRecords(std::string_view input, unsigned char options) {
    csv_parser parser{};
    csv_init(&parser, options);
    LibcsvRecord record;
    long result = -1;
    bool stopped = false;
    for (std::size_t at = 0; at < input.size() && !stopped; at += Block) {
        const std::string_view block = input.substr(at, Block);
        stopped = csv_parse(&parser, block.data(), block.size(), LibcsvField, LibcsvEnd, &record) !=
                  block.size();
    }
    if (!stopped && csv_fini(&parser, LibcsvField, LibcsvEnd, &record) == 0)
        result = static_cast<long>(record.records);
    csv_free(&parser);
    return result;
}

void ZindraReader(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ZindraRecords(Input()));
    state.SetBytesProcessed(static_cast<long long>(state.iterations() * Input().size()));
}
BENCHMARK(ZindraReader)->Unit(benchmark::kMillisecond);

void Libcsv(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(LibcsvRecords(Input(), CSV_STRICT));
    state.SetBytesProcessed(static_cast<long long>(state.iterations() * Input().size()));
}
BENCHMARK(Libcsv)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Three records, the second malformed, and a blank line that --batch must answer.
    const std::string_view malformed = "ITEM1,\n\"ITEM2\"X,\"NOTE\nPART2\nPART3\"\n\nITEM3,\n";
    std::printf("records of a 4-record input with a fault and a blank line: zindra %zu, "
                "libcsv strict %ld (-1: stopped), libcsv lenient %ld\n",
                ZindraRecords(malformed), LibcsvRecords(malformed, CSV_STRICT),
                LibcsvRecords(malformed, 0));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
