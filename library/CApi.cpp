// The C interface of libzindra (include/zindra/zindra.h) over the engine and
// the request and answer code that `zindra-encode --requests` uses too. No C++
// exception leaves a function here: the only one that can arise past the
// checks is std::bad_alloc, which becomes NULL.

#include "zindra/zindra.h"

#include "faces/FaceGeometry.h"
#include "faces/SampleFaceName.h"
#include "faces/WindowChoices.h"
#include "library/Answer.h"
#include "library/Request.h"
#include "library/RequestWords.h"
#include "library/TypedRequest.h"
#include "library/TypedResult.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <variant>
#include <vector>

namespace zindra {
namespace {

// A copy the caller frees with zindra_free(); NULL when out of memory.
char* CopyOut(std::string_view text) {
    auto* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (!copy) return nullptr;
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

char* EncodeOver(const zindra_request* defaults, const char* requestJson) {
    std::string out;
    if (!requestJson) {
        AppendJson({{"error", std::string(BadRequestPrefix) + "no request"}}, out);
        return CopyOut(out);
    }
    BarOptions options;
    bool pointSizeGiven = false;
    if (defaults) {
        auto checked = OptionsOf(*defaults);
        if (auto* why = std::get_if<std::string>(&checked)) {
            AppendJson({{"error", BadRequestPrefix + *why}}, out);
            return CopyOut(out);
        }
        options = std::get<BarOptions>(std::move(checked));
        pointSizeGiven = defaults->point_size != nullptr;
    }
    AnswerRequest(requestJson, options, out, pointSizeGiven);
    return CopyOut(out);
}

// The face table as the C interface gives it, made once (thread-safely, on
// first use) and never changed.
struct FaceTable {
    std::vector<SampleFace> faces = AllSampleFaces();
    std::vector<zindra_face> rows;

    FaceTable() {
        for (const SampleFace& face : faces) {
            const FaceGeometry geometry = GeometryOf(face.symbology);
            const FaceHeights heights = HeightsOf(face);
            rows.push_back({face.Name.c_str(), static_cast<int>(face.symbology), face.Size,
                            face.HumanReadable ? 1 : 0, geometry.ModuleEm,
                            geometry.QuietZoneModules, geometry.MinXmm, geometry.MaxXmm,
                            heights.Bar, heights.Bearer, heights.TextDrop, heights.GuardDescent,
                            FaceHeightEm(face)});
        }
    }
};

const FaceTable& Faces() {
    static const FaceTable table;
    return table;
}

// Runs `body`; should it throw (std::bad_alloc is the one exception that can
// arise), answers what `failed` gives instead.
template <typename Body, typename Failed> auto Guarded(Body body, Failed failed) noexcept {
    try {
        return body();
    } catch (...) {
        return failed();
    }
}

constexpr auto NoText = []() -> char* { return nullptr; };

} // namespace
} // namespace zindra

using namespace zindra;

extern "C" {

const char* zindra_version(void) {
    return ZINDRA_VERSION;
}

char* zindra_encode(const char* request_json) {
    return Guarded([&] { return EncodeOver(nullptr, request_json); }, NoText);
}

char* zindra_encode_over(const zindra_request* defaults, const char* request_json) {
    return Guarded([&] { return EncodeOver(defaults, request_json); }, NoText);
}

void zindra_free(char* text) {
    std::free(text);
}

void zindra_request_init(zindra_request* request) {
    if (!request) return;
    *request = {};
    request->symbology = ZINDRA_CODE39;
    request->variant = 1;
    request->font_type = ZINDRA_STANDARD;
    request->size = 'D';
}

char* zindra_request_set(zindra_request* request, const char* key, const char* value) {
    return Guarded(
        [&]() -> char* {
            if (!request || !key || !value) return CopyOut("no request, key or value");
            const std::string_view word(value);
            const std::string_view name(key);
            if (name == "symbology") {
                const auto read = ReadSymbology(word);
                if (!read) return CopyOut(SymbologyError(word));
                request->symbology = static_cast<int>(*read);
            } else if (name == "font_type") {
                const auto read = ReadFontType(word);
                if (!read) return CopyOut(FontTypeError(word));
                request->font_type = static_cast<int>(*read);
            } else if (name == "size") {
                const auto read = ReadSizeLetter(word);
                if (!read) return CopyOut(SizeLetterError(word));
                request->size = *read;
            } else if (name == "variant") {
                const auto read = ReadVariant(word);
                if (!read) return CopyOut(VariantError());
                request->variant = *read;
            } else {
                return CopyOut("unknown key \"" + std::string(name) + "\"");
            }
            return nullptr;
        },
        [] { return CopyOut("out of memory"); });
}

const char* zindra_symbology_name(int symbology) {
    const auto word = SymbologyWord(symbology);
    return word ? word->data() : nullptr;
}

const char* zindra_font_type_name(int font_type) {
    const auto word = FontTypeWord(font_type);
    return word ? word->data() : nullptr;
}

const char* zindra_default_point_size(int symbology) {
    if (!SymbologyWord(symbology)) return nullptr;
    return DefaultPointSize(static_cast<Symbology>(symbology)).data();
}

int zindra_face_count(void) {
    return Guarded([] { return static_cast<int>(Faces().rows.size()); }, [] { return 0; });
}

int zindra_face_at(int index, zindra_face* face) {
    return Guarded(
        [&] {
            const auto& rows = Faces().rows;
            if (!face || index < 0 || static_cast<std::size_t>(index) >= rows.size()) return 0;
            *face = rows[static_cast<std::size_t>(index)];
            return 1;
        },
        [] { return 0; });
}

zindra_result* zindra_make(const zindra_request* request) {
    return Guarded([&] { return MakeResult(request); }, []() -> zindra_result* { return nullptr; });
}

char* zindra_result_json(const zindra_result* result) {
    return Guarded([&]() -> char* { return result ? CopyOut(ResultJson(*result)) : nullptr; },
                   NoText);
}

void zindra_result_free(zindra_result* result) {
    if (result) FreeResult(result);
}

} // extern "C"
