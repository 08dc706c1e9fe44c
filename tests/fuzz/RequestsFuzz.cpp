// Any bytes as one --requests line. What must always hold: no crash, exactly
// one JSON object out with either a result or an error, no line break inside
// it (one output line per input line), the same answer twice.

#include "library/Request.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const char* what, const std::string& out) {
    std::fprintf(stderr, "%s: %s\n", what, out.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const zindra::BarOptions defaults;
    std::string out;
    const bool encoded = zindra::AnswerRequest(line, defaults, out);

    std::string again;
    if (zindra::AnswerRequest(line, defaults, again) != encoded || again != out)
        Fail("not deterministic", out);
    if (out.find('\n') != std::string::npos) Fail("line break in the answer", out);

    const auto answer = nlohmann::json::parse(out, nullptr, false);
    if (!answer.is_object()) Fail("answer is not one JSON object", out);
    const bool isError = answer.contains("error");
    if (isError == answer.contains("font_string")) Fail("neither or both of result and error", out);
    if (encoded == isError) Fail("the answer and the returned outcome disagree", out);
    return 0;
}
