#include "library/client/LibraryClient.h"

#include "engine/Utf8.h"

#include <algorithm>
#include <new>

namespace zindra {
namespace {

// Takes over a string the library allocated; out of memory is thrown here, on
// the C++ side.
std::string TakeText(char* text) {
    if (!text) throw std::bad_alloc();
    std::string taken(text);
    zindra_free(text);
    return taken;
}

} // namespace

LibraryRequest::LibraryRequest(const BarOptions& options, bool pointSizeGiven)
    : data_(ToUtf8(options.DataText)), pointSize_(ToUtf8(options.PointSize)),
      extra_(ToUtf8(options.Extra)) {
    zindra_request_init(&request_);
    request_.data = data_.c_str();
    request_.data_length = data_.size();
    request_.symbology = static_cast<int>(options.symbology);
    request_.variant = options.VariantChoice;
    request_.font_type = static_cast<int>(options.fontType);
    request_.size = options.FontSize;
    request_.checksum = options.OptionalChecksum;
    request_.option2 = options.Option2;
    request_.sums = options.DispSums;
    request_.point_size = pointSizeGiven ? pointSize_.c_str() : nullptr;
    request_.extra = extra_.c_str();
    request_.extra_length = extra_.size();
}

LibraryResult::LibraryResult(const BarOptions& options, bool pointSizeGiven)
    : LibraryResult(*LibraryRequest(options, pointSizeGiven).get()) {}

LibraryResult::LibraryResult(const zindra_request& request) : result_(zindra_make(&request)) {
    if (!result_) throw std::bad_alloc();
}

std::u16string LibraryResult::DataText() const {
    return FromUtf8({result_->data_text, result_->data_text_length});
}

std::optional<BarResult> LibraryResult::Made() const {
    if (!result_->ok) return std::nullopt;
    BarResult made;
    made.FontString = FromUtf8(result_->font_string);
    made.SumsText = FromUtf8(result_->sums_text);
    made.SampleText = FromUtf8(result_->sample_text);
    made.SampleSize = result_->sample_size;
    if (result_->output_text_size >= 0) made.OutputTextSize = result_->output_text_size;
    made.HumanText = FromUtf8(result_->human_text);
    made.Warning = FromUtf8(result_->data_warning);
    return made;
}

std::u16string LibraryResult::Error() const {
    return FromUtf8({result_->error, result_->error_length});
}

std::string LibraryResult::Json() const {
    return TakeText(zindra_result_json(result_.get()));
}

std::string AnswerThroughLibrary(const LibraryRequest& defaults, std::string_view line) {
    // The C interface reads up to a NUL; a line that holds one is no JSON anyway.
    // A NUL byte would end the line early there; 0xFF, never valid in JSON,
    // keeps such a line what it is: not JSON.
    std::string text(line);
    std::replace(text.begin(), text.end(), '\0', '\xFF');
    return TakeText(zindra_encode_over(defaults.get(), text.c_str()));
}

std::optional<std::string> SetChoice(BarOptions& options, std::string_view key,
                                     std::string_view word) {
    const LibraryRequest current(options);
    zindra_request request = *current.get();
    const std::string k(key), w(word);
    if (char* why = zindra_request_set(&request, k.c_str(), w.c_str())) return TakeText(why);
    options.symbology = static_cast<Symbology>(request.symbology);
    options.VariantChoice = request.variant;
    options.fontType = static_cast<FontType>(request.font_type);
    options.FontSize = request.size;
    return std::nullopt;
}

} // namespace zindra
