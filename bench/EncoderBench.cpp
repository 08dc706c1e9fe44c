// Every encoder through the Make dispatch, on typical data and on the longest
// data a user can type (the fixed-length symbologies at their length with the
// check digit typed).

#include "bench/RepeatedText.h"
#include "engine/EncodeRequest.h"

#include <benchmark/benchmark.h>

#include <string>

namespace zindra {
namespace {

using bench::LongestData;
using bench::Repeat;

struct Case {
    const char* name;
    Symbology symbology;
    int variant;
    FontType fontType;
    bool checksum;
    bool option2;
    bool sums;
    std::u16string data;
    std::u16string extra;
};

// One row per case reads best unwrapped.
// clang-format off
const Case Cases[] = {
    {"i25/typical", Symbology::Interleaved25, 1, FontType::Standard, false, false, false, u"12345678", {}},
    {"i25/longest", Symbology::Interleaved25, 1, FontType::Standard, false, false, false, Repeat(u"1234567890", LongestData - 1), {}},
    {"itf14/typical", Symbology::Interleaved25, 1, FontType::Itf14, false, true, false, u"0012345678905", {}},
    {"itf14/longest", Symbology::Interleaved25, 1, FontType::Itf14, false, false, false, u"00123456789050", {}},
    {"code39/typical", Symbology::Code39, 1, FontType::Standard, true, false, false, u"ABCD4567", {}},
    {"code39/longest", Symbology::Code39, 1, FontType::Standard, true, false, false, Repeat(u"ABCD4567", LongestData), {}},
    {"code39-full-ascii/longest", Symbology::Code39, 1, FontType::Standard, true, true, false, Repeat(u"abc!{^J", LongestData), {}},
    {"code93/typical", Symbology::Code93, 1, FontType::Standard, false, false, false, u"ABCD4567", {}},
    {"code93/longest", Symbology::Code93, 1, FontType::Standard, false, false, false, Repeat(u"Ab(c) 93", LongestData), {}},
    {"code93-sums/typical", Symbology::Code93, 1, FontType::Standard, false, false, true, u"ABCD4567", {}},
    {"code128b/typical", Symbology::Code128, 2, FontType::Standard, false, false, false, u"ABcd4567", {}},
    {"code128b/longest", Symbology::Code128, 2, FontType::Standard, true, true, false, Repeat(u"AB cd{\"}~", LongestData), {}},
    {"code128a/typical", Symbology::Code128, 1, FontType::Standard, false, false, false, u"ABCD4567", {}},
    {"code128a/longest", Symbology::Code128, 1, FontType::Standard, false, false, false, Repeat(u"AB CD-12", LongestData), {}},
    {"code128b-sums/typical", Symbology::Code128, 2, FontType::Standard, false, false, true, u"ABcd4567", {}},
    {"code128c/typical", Symbology::Code128, 3, FontType::Standard, false, false, false, u"12345678", {}},
    {"code128c/longest", Symbology::Code128, 3, FontType::Standard, false, false, false, Repeat(u"0123456789", LongestData - 1), {}},
    {"code128auto/typical", Symbology::Code128, 6, FontType::Standard, false, false, false, u"Hello 123456 world", {}},
    {"code128auto/longest", Symbology::Code128, 6, FontType::Standard, false, false, false, Repeat(u"Ab\u0001 12345678 cd", LongestData), {}},
    {"gs1-128/typical", Symbology::Code128, 7, FontType::HumanReadable, false, false, false, u"(01)09501101530003(17)140704(10)AB-123", {}},
    // 48 data characters, the most a symbol holds
    {"gs1-128/longest", Symbology::Code128, 7, FontType::HumanReadable, false, false, false, u"(00)006141411234567890(01)09501101530003(10)ABCDEFGHIJ", {}},
    {"sscc18/typical", Symbology::Code128, 5, FontType::HumanReadable, false, true, false, u"00614141123456789", {}},
    {"scc14/typical", Symbology::Code128, 4, FontType::HumanReadable, false, false, false, u"1234567890123", {}},
    {"codabar/typical", Symbology::Codabar, 1, FontType::Standard, false, false, false, u"A40156B", {}},
    {"codabar/longest", Symbology::Codabar, 1, FontType::Standard, false, false, false, u"A" + Repeat(u"0123456789-$:/.+", LongestData - 2) + u"B", {}},
    {"postnet/typical", Symbology::PostNet, 1, FontType::Standard, false, false, false, u"123456789", {}},
    {"postnet/longest", Symbology::PostNet, 1, FontType::Standard, false, false, false, u"12345678901", {}},
    {"ean8/typical", Symbology::Ean, 1, FontType::Standard, false, false, false, u"9638507", {}},
    {"ean8/longest", Symbology::Ean, 1, FontType::Standard, false, false, false, u"96385074", {}},
    {"ean13/typical", Symbology::Ean, 2, FontType::Standard, false, false, false, u"400638133393", {}},
    {"ean13/longest", Symbology::Ean, 2, FontType::Standard, false, false, false, u"4006381333931", {}},
    {"bookland/typical", Symbology::Ean, 3, FontType::Standard, false, false, false, u"0-306-40615-2", u"90000"},
    // Only the digits count, so the longest text that still encodes is an ISBN-13 with trailing separators.
    {"bookland/longest", Symbology::Ean, 3, FontType::Standard, false, false, false, std::u16string(u"978-0-306-40615-7") + Repeat(u" ", LongestData - 17), u"90000"},
    {"upca/typical", Symbology::Upc, 1, FontType::Standard, false, false, false, u"03600029145", {}},
    {"upca/longest", Symbology::Upc, 1, FontType::Standard, false, false, false, u"036000291452", {}},
    {"upca-addon2/typical", Symbology::Upc, 2, FontType::Standard, false, false, false, u"03600029145", u"12"},
    {"upce/typical", Symbology::Upc, 1, FontType::HumanReadable, false, false, false, u"01234500006", {}},
    {"upce-addon5/typical", Symbology::Upc, 3, FontType::HumanReadable, false, false, false, u"01234500006", u"51234"},
};
// clang-format on

void Encode(benchmark::State& state, const Case& c) {
    BarOptions o;
    o.DataText = c.data;
    o.symbology = c.symbology;
    o.VariantChoice = c.variant;
    o.fontType = c.fontType;
    o.OptionalChecksum = c.checksum;
    o.Option2 = c.option2;
    o.DispSums = c.sums;
    o.Extra = c.extra;
    // A case that fails would time the error path instead of the encoder.
    if (IsError(EncodeRequest(o).Outcome)) state.SkipWithError("the data does not encode");
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeRequest(o));
    state.SetItemsProcessed(state.iterations());
}

const bool Registered = [] {
    for (const Case& c : Cases)
        benchmark::RegisterBenchmark(c.name, Encode, c);
    return true;
}();

} // namespace
} // namespace zindra

BENCHMARK_MAIN();
