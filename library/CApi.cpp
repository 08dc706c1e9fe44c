// The C interface of libzindra (include/zindra/zindra.h) over the engine and
// the request and answer code that `zindra-encode --requests` uses too. No C++
// exception leaves a function here: the only one that can arise past the
// checks is std::bad_alloc, which becomes NULL.

#include "zindra/zindra.h"

#include "engine/EncodeRequest.h"
#include "engine/Utf8.h"
#include "faces/FaceGeometry.h"
#include "faces/SampleFaceName.h"
#include "faces/WindowChoices.h"
#include "library/Answer.h"
#include "library/Request.h"
#include "library/RequestWords.h"
#include "library/SizeJson.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>
#include <variant>
#include <vector>

namespace zindra {
namespace {

static_assert(ZINDRA_I25 == static_cast<int>(Symbology::Interleaved25) &&
              ZINDRA_UPC == static_cast<int>(Symbology::Upc));
static_assert(ZINDRA_STANDARD == static_cast<int>(FontType::Standard) &&
              ZINDRA_ITF14 == static_cast<int>(FontType::Itf14));

constexpr char BadRequest[] = "bad request: ";

// A copy the caller frees with zindra_free(); NULL when out of memory.
char* CopyOut(std::string_view text) {
    auto* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (!copy) return nullptr;
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

using Complaint = std::optional<std::string>;

Complaint Text(const char* text, std::size_t length, std::string_view key,
               std::u16string& into) {
    if (!text) {
        into.clear();
        return std::nullopt;
    }
    if (!DecodeUtf8(std::string_view(text, length ? length : std::strlen(text)), into)) return "invalid UTF-8 in \"" + std::string(key) + "\"";
    return std::nullopt;
}

// The choices of a typed request, checked as a request object's would be.
std::variant<BarOptions, std::string> OptionsOf(const zindra_request& request) {
    BarOptions options;
    if (!SymbologyWord(request.symbology))
        return std::string("\"symbology\" is not a zindra_symbology");
    options.symbology = static_cast<Symbology>(request.symbology);
    if (!IsVariant(request.variant)) return VariantError();
    options.VariantChoice = request.variant;
    if (!FontTypeWord(request.font_type))
        return std::string("\"font_type\" is not a zindra_font_type");
    options.fontType = static_cast<FontType>(request.font_type);
    const char size[] = {request.size, '\0'};
    if (!ReadSizeLetter(size)) return SizeLetterError(size);
    options.FontSize = request.size;
    options.OptionalChecksum = request.checksum != 0;
    options.Option2 = request.option2 != 0;
    options.DispSums = request.sums != 0;
    for (const auto& [text, length, key, into] :
         {std::tuple{request.data, request.data_length, "data", &options.DataText},
          std::tuple{request.point_size, std::size_t{0}, "point_size", &options.PointSize},
          std::tuple{request.extra, request.extra_length, "extra", &options.Extra}})
        if (Complaint complaint = Text(text, length, key, *into)) return *complaint;
    TakeWindowChoices(options, request.point_size != nullptr);
    return options;
}

// A result and the strings it points into. The C struct comes first, so the
// pointer the caller holds is the pointer to the whole.
struct Storage {
    BarOptions options;
    RequestOutcome outcome;
    std::string badRequest; // why the request was refused; empty when it was not
    std::string texts;      // every string of the result, each ended by its NUL
};

struct OwnedResult {
    zindra_result result;
    Storage* storage;
};
static_assert(std::is_standard_layout_v<OwnedResult>);

// The result's strings, in the order of their fields, in one buffer: bulk
// runs make a result per record, so one allocation rather than nine.
enum Field { Error, DataText, FontString, SumsText, BarTextOut, SampleText, HumanText, Face,
             Warning, Fields };

class Texts {
  public:
    // `room`: enough for every string, so that the buffer is allocated once.
    Texts(std::string& buffer, std::size_t room) : buffer_(buffer) {
        buffer_.reserve(room + Fields + 1);
        buffer_.assign(1, '\0'); // where every field that is not put points
    }
    void Put(Field field, std::u16string_view text) {
        starts_[field] = buffer_.size();
        AppendUtf8(text, buffer_);
        End(field);
    }
    void Put(Field field, std::string_view text) {
        starts_[field] = buffer_.size();
        buffer_.append(text);
        End(field);
    }
    // Once every string is in: the buffer moves no more.
    void Point(zindra_result& c) const {
        c.error_length = lengths_[Error];
        c.data_text_length = lengths_[DataText];
        const char** const fields[Fields] = {&c.error,      &c.data_text,    &c.font_string,
                                             &c.sums_text,  &c.bar_text_out, &c.sample_text,
                                             &c.human_text, &c.face,         &c.warning};
        for (int f = 0; f < Fields; ++f) *fields[f] = buffer_.data() + starts_[f];
    }

  private:
    void End(Field field) {
        lengths_[field] = buffer_.size() - starts_[field];
        buffer_.push_back('\0');
    }
    std::string& buffer_;
    std::size_t starts_[Fields] = {};
    std::size_t lengths_[Fields] = {};
};

// Three UTF-8 bytes at most for each UTF-16 unit.
std::size_t Room(std::initializer_list<std::u16string_view> texts, std::size_t more) {
    std::size_t room = more;
    for (const auto text : texts) room += 3 * text.size();
    return room;
}

void Fill(zindra_result& c, Storage& s) {
    c = {};
    c.output_text_size = -1;
    c.magnification_percent = -1;
    const auto* made = std::get_if<BarResult>(&s.outcome.Outcome);
    const std::size_t room =
        made ? Room({s.outcome.DataText, made->FontString, made->SumsText, made->FontString,
                     made->SumsText, made->SampleText, made->HumanText},
                    128)
             : Room({s.outcome.DataText}, 256 + s.badRequest.size());
    Texts texts(s.texts, room);
    if (!s.badRequest.empty()) {
        texts.Put(Error, BadRequest + s.badRequest);
    } else if (const auto* error = std::get_if<EncodeError>(&s.outcome.Outcome)) {
        texts.Put(Error, error->Message);
        texts.Put(DataText, s.outcome.DataText);
    } else {
        c.ok = 1;
        texts.Put(DataText, s.outcome.DataText);
        texts.Put(FontString, made->FontString);
        texts.Put(SumsText, made->SumsText);
        texts.Put(BarTextOut, made->BarTextOut());
        texts.Put(SampleText, made->SampleText);
        texts.Put(HumanText, made->HumanText);
        texts.Put(Face, SampleFaceName(s.options));
        c.sample_size = made->SampleSize;
        c.output_text_size = made->OutputTextSize.value_or(-1);
        const PrintedSize size = PrintedSizeOf(s.options, *made);
        c.x_dimension_mm = size.XDimensionMm;
        c.width_mm = size.WidthMm;
        c.height_mm = size.HeightMm;
        c.magnification_percent = size.MagnificationPercent.value_or(-1);
        texts.Put(Warning, size.Warning);
    }
    texts.Point(c);
}

zindra_result* Make(const zindra_request* request) {
    auto storage = std::make_unique<Storage>();
    if (!request) {
        storage->badRequest = "no request";
    } else {
        auto options = OptionsOf(*request);
        if (auto* why = std::get_if<std::string>(&options)) {
            storage->badRequest = std::move(*why);
        } else {
            storage->options = std::get<BarOptions>(std::move(options));
            storage->outcome = EncodeRequest(storage->options);
        }
    }
    auto owned = std::make_unique<OwnedResult>();
    Fill(owned->result, *storage);
    owned->storage = storage.release();
    return &owned.release()->result;
}

char* EncodeOver(const zindra_request* defaults, const char* requestJson) {
    std::string out;
    if (!requestJson) {
        AppendJson({{"error", std::string(BadRequest) + "no request"}}, out);
        return CopyOut(out);
    }
    BarOptions options;
    bool pointSizeGiven = false;
    if (defaults) {
        auto checked = OptionsOf(*defaults);
        if (auto* why = std::get_if<std::string>(&checked)) {
            AppendJson({{"error", BadRequest + *why}}, out);
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
    return Guarded([&] { return Make(request); }, []() -> zindra_result* { return nullptr; });
}

char* zindra_result_json(const zindra_result* result) {
    return Guarded(
        [&]() -> char* {
            if (!result) return nullptr;
            const Storage& s = *reinterpret_cast<const OwnedResult*>(result)->storage;
            std::string out;
            if (!s.badRequest.empty())
                AppendJson({{"error", result->error}}, out);
            else
                AppendJson(OutcomeJson(s.outcome, s.options), out);
            return CopyOut(out);
        },
        NoText);
}

void zindra_result_free(zindra_result* result) {
    if (!result) return;
    auto* owned = reinterpret_cast<OwnedResult*>(result);
    delete owned->storage;
    delete owned;
}

} // extern "C"
