#include "settings/TextCodec.h"

namespace zindra {
namespace {

constexpr char32_t Replacement = 0xFFFD;

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

void AppendUtf8(char32_t c, std::string& out) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

void AppendUtf16(char32_t c, std::u16string& out) {
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
    } else {
        c -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    }
}

// Length of a UTF-8 sequence by its lead byte and the smallest code point it
// may carry (anything smaller is an overlong form); 0 for a byte that cannot lead.
struct Lead {
    int length;
    char32_t minimum;
};
Lead LeadOf(unsigned char b) {
    if (b < 0x80) return {1, 0};
    if ((b & 0xE0) == 0xC0) return {2, 0x80};
    if ((b & 0xF0) == 0xE0) return {3, 0x800};
    if ((b & 0xF8) == 0xF0) return {4, 0x10000};
    return {0, 0};
}

} // namespace

std::string Utf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            c = Replacement;
        }
        AppendUtf8(c, out);
    }
    return out;
}

std::u16string Utf16FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = LeadOf(static_cast<unsigned char>(text[i]));
        char32_t c = lead.length == 1 ? static_cast<unsigned char>(text[i]) : 0;
        int taken = 1;
        if (lead.length > 1) {
            c = static_cast<unsigned char>(text[i]) & (0x7F >> lead.length);
            for (; taken < lead.length && i + taken < text.size(); ++taken) {
                const auto b = static_cast<unsigned char>(text[i + taken]);
                if ((b & 0xC0) != 0x80) break;
                c = (c << 6) | (b & 0x3F);
            }
            if (taken < lead.length || c < lead.minimum || c > 0x10FFFF || IsHighSurrogate(c) ||
                IsLowSurrogate(c))
                c = Replacement;
        } else if (lead.length == 0) {
            c = Replacement;
        }
        AppendUtf16(c, out);
        i += static_cast<std::size_t>(taken);
    }
    return out;
}

} // namespace zindra
