#pragma once

#include "cli/CsvOptions.h"

#include <iconv.h>

#include <string>
#include <string_view>

namespace zindra::cli {

// Turns input in a single-byte character set into UTF-8, piece by piece, with
// the C library's iconv. A byte the set leaves undefined (five of Windows-1252)
// becomes U+FFFD, so that the record refuses it in its own words. UTF-8 passes
// through untouched.
class Transcoder {
  public:
    explicit Transcoder(CsvEncoding encoding);
    ~Transcoder();
    Transcoder(const Transcoder&) = delete;
    Transcoder& operator=(const Transcoder&) = delete;

    // Empty when the character set is at hand; otherwise why not.
    const std::string& OpenError() const { return openError_; }

    // The UTF-8 of `piece`, valid until the next call.
    std::string_view Convert(std::string_view piece);

  private:
    iconv_t converter_ = reinterpret_cast<iconv_t>(-1);
    std::string out_;
    std::string openError_;
};

} // namespace zindra::cli
