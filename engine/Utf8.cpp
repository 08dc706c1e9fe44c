#include "engine/Utf8.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace zindra {
namespace {

constexpr char16_t Replacement = 0xFFFD;

// The well-formed UTF-8 sequences by lead byte: how many bytes follow and the
// range the first of them must lie in (the later ones are always 80..BF).
// The narrowed second-byte ranges are what exclude overlong forms (E0, F0),
// encoded surrogates (ED) and code points above U+10FFFF (F4).
struct LeadRow {
    std::uint8_t firstLead, lastLead;
    int trailing;
    std::uint8_t secondLow, secondHigh;
    std::uint8_t payloadMask;
};

constexpr std::array LeadTable{
    LeadRow{0xC2, 0xDF, 1, 0x80, 0xBF, 0x1F}, LeadRow{0xE0, 0xE0, 2, 0xA0, 0xBF, 0x0F},
    LeadRow{0xE1, 0xEC, 2, 0x80, 0xBF, 0x0F}, LeadRow{0xED, 0xED, 2, 0x80, 0x9F, 0x0F},
    LeadRow{0xEE, 0xEF, 2, 0x80, 0xBF, 0x0F}, LeadRow{0xF0, 0xF0, 3, 0x90, 0xBF, 0x07},
    LeadRow{0xF1, 0xF3, 3, 0x80, 0xBF, 0x07}, LeadRow{0xF4, 0xF4, 3, 0x80, 0x8F, 0x07},
};

const LeadRow* FindLead(std::uint8_t lead) {
    for (const LeadRow& row : LeadTable)
        if (lead >= row.firstLead && lead <= row.lastLead) return &row;
    return nullptr;
}

bool IsContinuation(std::uint8_t b) {
    return (b & 0xC0) == 0x80;
}

// Writes one code point at `at` as one unit or a surrogate pair and returns
// the position after it.
char16_t* PutUtf16(char32_t cp, char16_t* at) {
    if (cp < 0x10000) {
        *at++ = static_cast<char16_t>(cp);
        return at;
    }
    cp -= 0x10000;
    *at++ = static_cast<char16_t>(0xD800 + (cp >> 10));
    *at++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    return at;
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Writes one code point at `at` and returns the position after it.
char* PutUtf8(char32_t cp, char* at) {
    if (cp < 0x80) {
        *at++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
        *at++ = static_cast<char>(0xC0 | (cp >> 6));
        *at++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        *at++ = static_cast<char>(0xE0 | (cp >> 12));
        *at++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *at++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        *at++ = static_cast<char>(0xF0 | (cp >> 18));
        *at++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        *at++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *at++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
    return at;
}

// Bulk runs read and write mostly ASCII: eight bytes (four UTF-16 units) at a
// time are tested at once and copied without a lookup.
constexpr std::uint64_t HighBits = 0x8080808080808080;
constexpr std::uint64_t HighUnits = 0xFF80FF80FF80FF80; // four UTF-16 units of 0x80 and above
constexpr bool LittleEndian = std::endian::native == std::endian::little;

// Eight ASCII bytes as eight UTF-16 units.
void Widen(std::uint64_t eight, char16_t* at) {
    if constexpr (LittleEndian) {
        for (std::uint64_t four : {eight & 0xFFFFFFFF, eight >> 32}) {
            four = (four | (four << 16)) & 0x0000FFFF0000FFFF;
            four = (four | (four << 8)) & 0x00FF00FF00FF00FF;
            std::memcpy(at, &four, 8);
            at += 4;
        }
    } else {
        unsigned char bytes[8];
        std::memcpy(bytes, &eight, 8);
        for (int k = 0; k < 8; ++k)
            at[k] = bytes[k];
    }
}

// Four ASCII UTF-16 units as four bytes.
void Narrow(std::uint64_t four, char* at) {
    if constexpr (LittleEndian) {
        four = (four | (four >> 8)) & 0x0000FFFF0000FFFF;
        const auto bytes = static_cast<std::uint32_t>(four | (four >> 16));
        std::memcpy(at, &bytes, 4);
    } else {
        char16_t units[4];
        std::memcpy(units, &four, 8);
        for (int k = 0; k < 4; ++k)
            at[k] = static_cast<char>(units[k]);
    }
}

} // namespace

bool IsAscii(std::string_view in) {
    std::size_t i = 0;
    std::uint64_t high = 0;
    for (; i + 8 <= in.size(); i += 8) {
        std::uint64_t eight;
        std::memcpy(&eight, in.data() + i, 8);
        high |= eight;
    }
    for (; i < in.size(); ++i)
        high |= static_cast<unsigned char>(in[i]);
    return (high & HighBits) == 0;
}

bool DecodeUtf8(std::string_view in, std::u16string& out) {
    // No sequence gives more UTF-16 units than it has bytes, so the text is
    // written in place and trimmed after: bulk runs read every field here.
    out.resize(in.size());
    char16_t* at = out.data();
    bool valid = true;
    std::size_t i = 0;
    while (i < in.size()) {
        std::uint64_t eight;
        if (i + 8 <= in.size() &&
            (std::memcpy(&eight, in.data() + i, 8), (eight & HighBits) == 0)) {
            Widen(eight, at);
            at += 8;
            i += 8;
            continue;
        }
        const auto lead = static_cast<std::uint8_t>(in[i]);
        if (lead < 0x80) {
            *at++ = lead;
            ++i;
            continue;
        }
        const LeadRow* row = FindLead(lead);
        std::size_t taken = 1;
        char32_t cp = row ? lead & row->payloadMask : 0;
        for (int k = 1; row && k <= row->trailing; ++k) {
            if (i + k >= in.size()) break;
            const auto b = static_cast<std::uint8_t>(in[i + k]);
            const bool fits =
                k == 1 ? b >= row->secondLow && b <= row->secondHigh : IsContinuation(b);
            if (!fits) break;
            cp = (cp << 6) | (b & 0x3F);
            ++taken;
        }
        if (row && taken == static_cast<std::size_t>(row->trailing) + 1) {
            at = PutUtf16(cp, at);
        } else {
            // One replacement per maximal ill-formed prefix, as Unicode recommends.
            *at++ = Replacement;
            valid = false;
        }
        i += taken;
    }
    out.resize(static_cast<std::size_t>(at - out.data()));
    return valid;
}

char* WriteUtf8(std::u16string_view in, char* at) {
    for (std::size_t i = 0; i < in.size(); ++i) {
        std::uint64_t four;
        if (i + 4 <= in.size() && (std::memcpy(&four, in.data() + i, 8), (four & HighUnits) == 0)) {
            Narrow(four, at);
            at += 4;
            i += 3;
            continue;
        }
        const char16_t c = in[i];
        if (c < 0x80) {
            *at++ = static_cast<char>(c);
        } else if (IsHighSurrogate(c) && i + 1 < in.size() && IsLowSurrogate(in[i + 1])) {
            at = PutUtf8(0x10000 + ((c - 0xD800) << 10) + (in[i + 1] - 0xDC00), at);
            ++i;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            at = PutUtf8(Replacement, at);
        } else {
            at = PutUtf8(c, at);
        }
    }
    return at;
}

void AppendUtf8(std::u16string_view in, std::string& out) {
    // Room for the worst case first, trimmed after: bulk runs write every field through here.
    const std::size_t start = out.size();
    out.resize(start + MaxUtf8Bytes * in.size());
    char* const at = WriteUtf8(in, out.data() + start);
    out.resize(static_cast<std::size_t>(at - out.data()));
}

std::string ToUtf8(std::u16string_view in) {
    std::string out;
    out.reserve(MaxUtf8Bytes * in.size()); // AppendUtf8's room, so it allocates once
    AppendUtf8(in, out);
    return out;
}

std::u16string FromUtf8(std::string_view in) {
    std::u16string out;
    DecodeUtf8(in, out);
    return out;
}

} // namespace zindra
