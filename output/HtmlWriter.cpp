#include "output/HtmlWriter.h"

#include "engine/Functions.h"

namespace zindra {
namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

void AppendEscaped(std::string& html, std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'&')
            html += "&amp;";
        else if (c == u'<')
            html += "&lt;";
        else if (c == u'>')
            html += "&gt;";
        else if (c == u'"')
            html += "&quot;";
        else if (c == u'\'')
            html += "&#39;";
        else if (c == u'\n')
            html += "<br>";
        else if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendUtf8(html, 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            AppendUtf8(html, 0xFFFD); // a lone half cannot be written in UTF-8
        } else {
            AppendUtf8(html, c);
        }
    }
}

} // namespace

std::string RichTextToHtml(const std::vector<StyledRun>& runs) {
    std::string html = "<html><head><meta charset=\"utf-8\"></head><body>"
                       "<!--StartFragment--><div style=\"white-space:pre\">";
    for (const StyledRun& run : runs) {
        html += "<span style=\"font-family:&quot;";
        AppendEscaped(html, AsciiToU16(run.Style.Face));
        html += "&quot;;font-size:" + std::to_string(run.Style.Size) + "pt\">";
        AppendEscaped(html, run.Text);
        html += "</span>";
    }
    html += "</div><!--EndFragment--></body></html>";
    return html;
}

} // namespace zindra
