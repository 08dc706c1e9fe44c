#include "cli/Transcoder.h"

#include <cerrno>

namespace zindra::cli {
namespace {

const char* CharsetOf(CsvEncoding encoding) {
    switch (encoding) {
    case CsvEncoding::Latin1:
        return "ISO-8859-1";
    case CsvEncoding::Windows1252:
        return "WINDOWS-1252";
    case CsvEncoding::Utf8:
        break;
    }
    return nullptr;
}

constexpr std::string_view Replacement = "\xEF\xBF\xBD";
const auto NoConverter = reinterpret_cast<iconv_t>(-1);

} // namespace

Transcoder::Transcoder(CsvEncoding encoding) {
    const char* charset = CharsetOf(encoding);
    if (!charset) return;
    converter_ = iconv_open("UTF-8", charset);
    if (converter_ == NoConverter)
        openError_ = std::string("the character set ") + charset + " is not installed";
}

Transcoder::~Transcoder() {
    if (converter_ != NoConverter) iconv_close(converter_);
}

std::string_view Transcoder::Convert(std::string_view piece) {
    if (converter_ == NoConverter) return piece;
    // Every byte of a single-byte set is at most three bytes of UTF-8.
    out_.resize(3 * piece.size());
    char* in = const_cast<char*>(piece.data());
    std::size_t inLeft = piece.size();
    char* out = out_.data();
    std::size_t outLeft = out_.size();
    while (inLeft > 0) {
        if (iconv(converter_, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1)) break;
        if (errno != EILSEQ) break; // E2BIG cannot happen with room for three bytes each
        // An undefined byte: its replacement takes the room the byte had.
        for (char c : Replacement)
            *out++ = c;
        outLeft -= Replacement.size();
        ++in;
        --inLeft;
    }
    out_.resize(out_.size() - outLeft);
    return out_;
}

} // namespace zindra::cli
