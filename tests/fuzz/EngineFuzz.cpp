// Random requests through the Make dispatch. What must always hold: no crash,
// exactly one of a result or a non-empty message, the same answer twice, and
// every character of a font string drawn by the face the sample would use.

#include "engine/EncodeRequest.h"
#include "faces/SampleFaceName.h"
#include "tests/fuzz/FaceCoverage.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace zindra;

constexpr std::size_t OptionBytes = 6;
constexpr std::size_t MaxDataLength = 4096;

const std::map<std::string, fuzz::Coverage>& Faces() {
    static const auto faces = fuzz::ReadFaceCoverage(ZINDRA_FONT_BUILD_DIR);
    return faces;
}

std::u16string TakeText(const uint8_t*& data, std::size_t& size, std::size_t length) {
    std::u16string text;
    while (text.size() < length && size >= 2) {
        text.push_back(static_cast<char16_t>(data[0] | data[1] << 8));
        data += 2;
        size -= 2;
    }
    return text;
}

void Fail(const char* what, const BarOptions& o) {
    std::fprintf(stderr, "%s (symbology %d, variant %d, face %s)\n", what,
                 static_cast<int>(o.symbology), o.VariantChoice, SampleFaceName(o).c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (Faces().empty()) {
        std::fprintf(stderr, "no faces in %s: build the fonts first\n", ZINDRA_FONT_BUILD_DIR);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < OptionBytes) return 0;
    BarOptions o;
    o.symbology = static_cast<Symbology>(data[0] % 8);
    o.VariantChoice = 1 + data[1] % 5;
    o.fontType = static_cast<FontType>(data[2] % 3);
    o.FontSize = static_cast<char>('A' + data[3] % 6);
    o.OptionalChecksum = data[4] & 1;
    o.Option2 = data[4] & 2;
    o.DispSums = data[4] & 4;
    const std::size_t extraLength = data[5] % 8;
    data += OptionBytes;
    size -= OptionBytes;
    o.Extra = TakeText(data, size, extraLength);
    o.DataText = TakeText(data, size, MaxDataLength);

    const RequestOutcome first = EncodeRequest(o);
    if (!(EncodeRequest(o).Outcome == first.Outcome)) Fail("not deterministic", o);

    if (const auto* error = std::get_if<EncodeError>(&first.Outcome)) {
        if (error->Message.empty()) Fail("empty message", o);
        return 0;
    }
    const BarResult& result = std::get<BarResult>(first.Outcome);
    if (result.FontString.empty()) Fail("empty font string", o);

    const auto face = Faces().find(SampleFaceName(o));
    if (face == Faces().end()) Fail("no font file for the face", o);
    for (char16_t c : result.FontString)
        if (c > 255 || !face->second[c]) Fail("font string character without a glyph", o);
    return 0;
}
