#include "library/TypedResult.h"

#include "engine/EncodeRequest.h"
#include "engine/Utf8.h"
#include "faces/SampleFaceName.h"
#include "library/Answer.h"
#include "library/Request.h"
#include "library/SizeJson.h"
#include "library/TypedRequest.h"

#include <algorithm>
#include <memory>
#include <type_traits>
#include <variant>

namespace zindra {
namespace {

// What a result keeps beside its C struct: the choices and outcome its JSON
// is written from, and the buffer its strings point into.
struct Storage {
    BarOptions options;
    RequestOutcome outcome;
    std::string badRequest; // why the request was refused; empty when it was not
    std::string texts;      // every string of the result, each ended by its NUL
    std::string warning;    // the size's warning joined with the encoding's, when it has one
};

// The C struct comes first, so the pointer the caller holds is the pointer
// to the whole.
struct OwnedResult {
    zindra_result result;
    Storage* storage;
};
static_assert(std::is_standard_layout_v<OwnedResult>);

struct Discard {
    void operator()(OwnedResult* owned) const noexcept {
        delete owned->storage;
        delete owned;
    }
};

// The last result this thread freed: bulk runs make and free one per record,
// and the next is made in its storage, whose buffers keep their room.
class SpareResult {
  public:
    std::unique_ptr<OwnedResult, Discard> Take() {
        if (spare_) return std::move(spare_);
        auto storage = std::make_unique<Storage>();
        auto owned = std::make_unique<OwnedResult>();
        owned->storage = storage.release();
        return std::unique_ptr<OwnedResult, Discard>(owned.release());
    }
    void Keep(std::unique_ptr<OwnedResult, Discard> owned) noexcept {
        if (!spare_) spare_ = std::move(owned);
    }

  private:
    std::unique_ptr<OwnedResult, Discard> spare_;
};

SpareResult& Spare() {
    thread_local SpareResult spare;
    return spare;
}

// The result's strings, in the order of their fields, in one buffer: bulk
// runs make a result per record, so one allocation rather than nine.
enum Field {
    Error,
    DataText,
    FontString,
    SumsText,
    BarTextOut,
    SampleText,
    HumanText,
    Face,
    Warning,
    DataWarning,
    Fields
};

class Texts {
  public:
    // `buffer` keeps its size from result to result: its room is made once.
    explicit Texts(std::string& buffer) : buffer_(buffer) {
        *Room(1) = '\0'; // where every field that is not put points
        used_ = 1;
    }
    void Put(Field field, std::u16string_view text) {
        starts_[field] = used_;
        End(field, WriteUtf8(text, Room(MaxUtf8Bytes * text.size() + 1)));
    }
    void Put(Field field, std::string_view text) {
        starts_[field] = used_;
        char* const at = Room(text.size() + 1);
        std::copy(text.begin(), text.end(), at);
        End(field, at + text.size());
    }
    void Put(Field field, std::u16string_view text, std::u16string_view more) {
        starts_[field] = used_;
        char* const at = Room(MaxUtf8Bytes * (text.size() + more.size()) + 1);
        End(field, WriteUtf8(more, WriteUtf8(text, at)));
    }
    // Once every string is in: the buffer moves no more.
    void Point(zindra_result& c) const {
        c.error_length = lengths_[Error];
        c.data_text_length = lengths_[DataText];
        const char** const fields[Fields] = {
            &c.error,       &c.data_text,  &c.font_string, &c.sums_text, &c.bar_text_out,
            &c.sample_text, &c.human_text, &c.face,        &c.warning,   &c.data_warning};
        for (int f = 0; f < Fields; ++f)
            *fields[f] = buffer_.data() + starts_[f];
    }

  private:
    // Where `bytes` more can be written.
    char* Room(std::size_t bytes) {
        if (buffer_.size() < used_ + bytes)
            buffer_.resize(std::max(2 * buffer_.size(), used_ + bytes));
        return buffer_.data() + used_;
    }
    void End(Field field, char* end) {
        used_ = static_cast<std::size_t>(end - buffer_.data());
        lengths_[field] = used_ - starts_[field];
        buffer_[used_++] = '\0';
    }
    std::string& buffer_;
    std::size_t used_ = 0;
    std::size_t starts_[Fields] = {};
    std::size_t lengths_[Fields] = {};
};

void Fill(zindra_result& c, Storage& s) {
    c = {};
    c.output_text_size = -1;
    c.magnification_percent = -1;
    Texts texts(s.texts);
    if (!s.badRequest.empty()) {
        texts.Put(Error, BadRequestPrefix + s.badRequest);
    } else if (const auto* error = std::get_if<EncodeError>(&s.outcome.Outcome)) {
        texts.Put(Error, error->Message);
        texts.Put(DataText, s.outcome.DataText);
    } else {
        const auto* made = &std::get<BarResult>(s.outcome.Outcome);
        c.ok = 1;
        texts.Put(DataText, s.outcome.DataText);
        texts.Put(FontString, made->FontString);
        texts.Put(SumsText, made->SumsText);
        // BarTextOut() as one text, without building it
        texts.Put(BarTextOut, made->FontString, made->SumsText);
        texts.Put(SampleText, made->SampleText);
        texts.Put(HumanText, made->HumanText);
        texts.Put(Face, KeptSampleFaceName(s.options));
        c.sample_size = made->SampleSize;
        c.output_text_size = made->OutputTextSize.value_or(-1);
        const PrintedSize& size = KeptPrintedSize(s.options, *made);
        c.x_dimension_mm = size.XDimensionMm;
        c.width_mm = size.WidthMm;
        c.height_mm = size.HeightMm;
        c.magnification_percent = size.MagnificationPercent.value_or(-1);
        texts.Put(Warning, WarningOf(size, *made, s.warning));
        texts.Put(DataWarning, made->Warning);
    }
    texts.Point(c);
}

} // namespace

zindra_result* MakeResult(const zindra_request* request) {
    std::unique_ptr<OwnedResult, Discard> owned = Spare().Take();
    Storage& s = *owned->storage;
    s.badRequest.clear();
    if (!request) {
        s.badRequest = "no request";
    } else if (auto why = ReadOptions(*request, s.options)) {
        s.badRequest = std::move(*why);
    } else {
        s.outcome = EncodeRequest(s.options);
    }
    Fill(owned->result, s);
    return &owned.release()->result;
}

std::string ResultJson(const zindra_result& result) {
    const Storage& s = *reinterpret_cast<const OwnedResult*>(&result)->storage;
    std::string out;
    if (!s.badRequest.empty())
        AppendJson({{"error", result.error}}, out);
    else
        AppendJson(OutcomeJson(s.outcome, s.options), out);
    return out;
}

void FreeResult(zindra_result* result) noexcept {
    Spare().Keep(std::unique_ptr<OwnedResult, Discard>(reinterpret_cast<OwnedResult*>(result)));
}

} // namespace zindra
