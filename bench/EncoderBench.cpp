// Every encoder through the Make dispatch, on typical data and on the longest
// data a user can type (the data field holds 2047 characters once saved).

#include "engine/EncodeRequest.h"

#include <benchmark/benchmark.h>

#include <string>

namespace zindra {
namespace {

constexpr std::size_t LongestData = 2047;

struct Case {
    const char* name;
    Symbology symbology;
    int variant;
    FontType fontType;
    bool checksum;
    bool option2;
    std::u16string data;
    std::u16string extra;
};

std::u16string Repeat(std::u16string_view unit, std::size_t length) {
    std::u16string text;
    while (text.size() < length) text += unit;
    text.resize(length);
    return text;
}

const Case Cases[] = {
    {"i25/typical", Symbology::Interleaved25, 1, FontType::Standard, false, false, u"12345678", {}},
    {"i25/longest", Symbology::Interleaved25, 1, FontType::Standard, false, false, Repeat(u"1234567890", LongestData - 1), {}},
    {"itf14/typical", Symbology::Interleaved25, 1, FontType::Itf14, false, true, u"0012345678905", {}},
    {"code39/typical", Symbology::Code39, 1, FontType::Standard, true, false, u"ABCD4567", {}},
    {"code39/longest", Symbology::Code39, 1, FontType::Standard, true, false, Repeat(u"ABCD4567", LongestData), {}},
    {"code39-full-ascii/longest", Symbology::Code39, 1, FontType::Standard, true, true, Repeat(u"abc!{^J", LongestData), {}},
    {"code93/typical", Symbology::Code93, 1, FontType::Standard, false, false, u"ABCD4567", {}},
    {"code93/longest", Symbology::Code93, 1, FontType::Standard, false, false, Repeat(u"Ab(c) 93", LongestData), {}},
    {"code128b/typical", Symbology::Code128, 2, FontType::Standard, false, false, u"ABcd4567", {}},
    {"code128b/longest", Symbology::Code128, 2, FontType::Standard, true, true, Repeat(u"AB cd{\"}~", LongestData), {}},
    {"code128c/typical", Symbology::Code128, 3, FontType::Standard, false, false, u"12345678", {}},
    {"code128c/longest", Symbology::Code128, 3, FontType::Standard, false, false, Repeat(u"0123456789", LongestData - 1), {}},
    {"sscc18/typical", Symbology::Code128, 5, FontType::HumanReadable, false, true, u"00614141123456789", {}},
    {"codabar/typical", Symbology::Codabar, 1, FontType::Standard, false, false, u"A40156B", {}},
    {"codabar/longest", Symbology::Codabar, 1, FontType::Standard, false, false, u"A" + Repeat(u"0123456789-$:/.+", LongestData - 2) + u"B", {}},
    {"postnet/typical", Symbology::PostNet, 1, FontType::Standard, false, false, u"123456789", {}},
    {"ean8/typical", Symbology::Ean, 1, FontType::Standard, false, false, u"9638507", {}},
    {"ean13/typical", Symbology::Ean, 2, FontType::Standard, false, false, u"400638133393", {}},
    {"bookland/typical", Symbology::Ean, 3, FontType::Standard, false, false, u"0-306-40615-2", u"90000"},
    {"bookland/longest", Symbology::Ean, 3, FontType::Standard, false, false, Repeat(u"0-306-40615-2 ", LongestData), u"90000"},
    {"upca/typical", Symbology::Upc, 1, FontType::Standard, false, false, u"03600029145", {}},
    {"upce-addon5/typical", Symbology::Upc, 3, FontType::HumanReadable, false, false, u"01234500006", u"51234"},
};

void Encode(benchmark::State& state, const Case& c) {
    BarOptions o;
    o.DataText = c.data;
    o.symbology = c.symbology;
    o.VariantChoice = c.variant;
    o.fontType = c.fontType;
    o.OptionalChecksum = c.checksum;
    o.Option2 = c.option2;
    o.Extra = c.extra;
    for (auto _ : state) benchmark::DoNotOptimize(EncodeRequest(o));
    state.SetItemsProcessed(state.iterations());
}

const bool Registered = [] {
    for (const Case& c : Cases) benchmark::RegisterBenchmark(c.name, Encode, c);
    return true;
}();

} // namespace
} // namespace zindra

BENCHMARK_MAIN();
