// What a call through libzindra costs over the engine called directly: the
// same typical requests through EncodeRequest (the engine, linked in), through
// zindra_make (the typed C interface: UTF-8 in, the result's strings, its face
// and printed size out) and through zindra_encode (a JSON object in and out).

#include "engine/EncodeRequest.h"
#include "zindra/zindra.h"

#include <benchmark/benchmark.h>

#include <string>

namespace zindra {
namespace {

struct Case {
    const char* name;
    Symbology symbology;
    int variant;
    const char* data;
    const char* json;
};

const Case Cases[] = {
    {"code39", Symbology::Code39, 1, "ABCD4567",
     R"({"data":"ABCD4567","symbology":"code39","checksum":true})"},
    {"code128b", Symbology::Code128, 2, "ABcd4567",
     R"({"data":"ABcd4567","symbology":"code128","variant":2})"},
    {"ean13", Symbology::Ean, 2, "400638133393",
     R"({"data":"400638133393","symbology":"ean","variant":2})"},
    {"upca", Symbology::Upc, 1, "03600029145", R"({"data":"03600029145","symbology":"upc"})"},
};

void Engine(benchmark::State& state, const Case& c) {
    BarOptions o;
    o.DataText = std::u16string(c.data, c.data + std::char_traits<char>::length(c.data));
    o.symbology = c.symbology;
    o.VariantChoice = c.variant;
    o.OptionalChecksum = c.symbology == Symbology::Code39;
    if (IsError(EncodeRequest(o).Outcome)) state.SkipWithError("the data does not encode");
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeRequest(o));
}

void Typed(benchmark::State& state, const Case& c) {
    zindra_request request;
    zindra_request_init(&request);
    request.data = c.data;
    request.symbology = static_cast<int>(c.symbology);
    request.variant = c.variant;
    request.checksum = c.symbology == Symbology::Code39;
    for (auto _ : state) {
        zindra_result* result = zindra_make(&request);
        if (!result || !result->ok) state.SkipWithError("the data does not encode");
        zindra_result_free(result);
    }
}

void Json(benchmark::State& state, const Case& c) {
    for (auto _ : state) {
        char* answer = zindra_encode(c.json);
        benchmark::DoNotOptimize(answer);
        zindra_free(answer);
    }
}

const bool Registered = [] {
    for (const Case& c : Cases) {
        benchmark::RegisterBenchmark((std::string("engine/") + c.name).c_str(), Engine, c);
        benchmark::RegisterBenchmark((std::string("zindra_make/") + c.name).c_str(), Typed, c);
        benchmark::RegisterBenchmark((std::string("zindra_encode/") + c.name).c_str(), Json, c);
    }
    return true;
}();

} // namespace
} // namespace zindra

BENCHMARK_MAIN();
