#pragma once

// The programs' way into libzindra: the window and the command line hold
// their choices as BarOptions (UTF-16, as the window's fields do) and take the
// engine's outcome back in that form, through the library's C interface.

#include "engine/BarOptions.h"
#include "engine/BarResult.h"
#include "zindra/zindra.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zindra {

// The library's request for `options`, with the UTF-8 strings it points into.
// Without `pointSizeGiven` the symbology's usual point size is taken.
class LibraryRequest {
  public:
    explicit LibraryRequest(const BarOptions& options, bool pointSizeGiven = true);
    LibraryRequest(const LibraryRequest&) = delete;
    LibraryRequest& operator=(const LibraryRequest&) = delete;

    const zindra_request* get() const { return &request_; }

  private:
    std::string data_;
    std::string pointSize_;
    std::string extra_;
    zindra_request request_{};
};

// One answer of the library.
class LibraryResult {
  public:
    explicit LibraryResult(const BarOptions& options, bool pointSizeGiven = true);
    explicit LibraryResult(const zindra_request& request);

    const zindra_result& operator*() const { return *result_; }
    const zindra_result* operator->() const { return result_.get(); }

    // The data text after Make and the result or the error, as the engine gives them.
    std::u16string DataText() const;
    std::optional<BarResult> Made() const;
    std::u16string Error() const;

    // The answer as one JSON object, as `--requests` prints it.
    std::string Json() const;

  private:
    struct Free {
        void operator()(zindra_result* result) const { zindra_result_free(result); }
    };
    std::unique_ptr<zindra_result, Free> result_;
};

// Answers one request line, absent keys taken from `defaults`.
std::string AnswerThroughLibrary(const LibraryRequest& defaults, std::string_view line);

// Sets the choice `key` ("symbology", "font_type", "size", "variant") from its
// word, as a request would; the library's message when the word is not one.
std::optional<std::string> SetChoice(BarOptions& options, std::string_view key,
                                     std::string_view word);

} // namespace zindra
