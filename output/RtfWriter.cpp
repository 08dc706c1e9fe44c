#include "output/RtfWriter.h"

#include "engine/Functions.h"

#include <algorithm>
#include <array>
#include <optional>

namespace zindra {
namespace {

// The characters that Windows-1252 puts at bytes 0x80 to 0x9F; 0 marks the
// five bytes it leaves unassigned.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<unsigned> Windows1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    const auto* found = std::find(Windows1252High.begin(), Windows1252High.end(), c);
    if (found == Windows1252High.end()) return std::nullopt;
    return 0x80 + static_cast<unsigned>(found - Windows1252High.begin());
}

void AppendHexByte(std::string& rtf, unsigned byte) {
    constexpr char Hex[] = "0123456789abcdef";
    rtf += "\\'";
    rtf += Hex[byte >> 4];
    rtf += Hex[byte & 0xF];
}

// \u takes a signed 16-bit number; the ? is what readers without Unicode show.
void AppendUnicode(std::string& rtf, char16_t c) {
    const int signedCode = c > 0x7FFF ? static_cast<int>(c) - 0x10000 : static_cast<int>(c);
    rtf += "\\u" + std::to_string(signedCode) + "?";
}

} // namespace

void AppendRtfText(std::string& rtf, std::u16string_view text) {
    for (char16_t c : text) {
        if (c == u'\n') {
            rtf += "\\par ";
        } else if (c == u'\\' || c == u'{' || c == u'}') {
            rtf += '\\';
            rtf += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            rtf += static_cast<char>(c);
        } else if (const auto byte = Windows1252Byte(c)) {
            AppendHexByte(rtf, *byte);
        } else {
            AppendUnicode(rtf, c);
        }
    }
}

std::string RtfHeader(const std::vector<std::string>& faces) {
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (std::size_t i = 0; i < faces.size(); ++i) {
        rtf += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ";
        AppendRtfText(rtf, AsciiToU16(faces[i]));
        rtf += ";}";
    }
    rtf += "}\n";
    return rtf;
}

std::string RichTextToRtf(const std::vector<StyledRun>& runs) {
    std::vector<std::string> faces;
    for (const StyledRun& run : runs)
        if (std::find(faces.begin(), faces.end(), run.Style.Face) == faces.end())
            faces.push_back(run.Style.Face);

    std::string rtf = RtfHeader(faces) + "\\pard\\plain";
    for (const StyledRun& run : runs) {
        const auto face = std::find(faces.begin(), faces.end(), run.Style.Face) - faces.begin();
        // RTF sizes are in half points.
        rtf += "\\f" + std::to_string(face) + "\\fs" + std::to_string(run.Style.Size * 2) + " ";
        AppendRtfText(rtf, run.Text);
    }
    rtf += "}";
    return rtf;
}

} // namespace zindra
