#include "engine/Functions.h"

#include <string>

namespace zindra {

std::u16string KeepDigits(std::u16string_view text) {
    std::u16string digits;
    digits.reserve(text.size());
    for (char16_t c : text)
        if (IsDigit(c)) digits.push_back(c);
    return digits;
}

int ModTenComplement(int s) { return (10 - s % 10) % 10; }

std::u16string CharacterAt(std::u16string_view text, std::size_t index) {
    const char16_t c = text[index];
    const bool highSurrogate = c >= 0xD800 && c <= 0xDBFF;
    if (highSurrogate && index + 1 < text.size() && text[index + 1] >= 0xDC00 &&
        text[index + 1] <= 0xDFFF)
        return std::u16string(text.substr(index, 2));
    return std::u16string(1, c);
}

std::u16string FormatCharMessage(std::u16string_view format, std::u16string_view character) {
    std::u16string message(format);
    const auto at = message.find(u"%c");
    if (at != std::u16string::npos) message.replace(at, 2, character);
    return message;
}

std::u16string FormatFields(std::u16string_view format,
                            std::initializer_list<std::u16string_view> fields) {
    std::u16string out;
    out.reserve(format.size() + 32);
    auto field = fields.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const bool isField = format[i] == u'%' && i + 1 < format.size() &&
                             (format[i + 1] == u'd' || format[i + 1] == u's');
        if (isField && field != fields.end()) {
            out += *field++;
            ++i;
        } else {
            out.push_back(format[i]);
        }
    }
    return out;
}

std::u16string PaddedSample(std::u16string_view fontString) {
    constexpr std::u16string_view Gap = u"  ";
    std::u16string sample;
    sample.reserve(fontString.size() + Gap.size());
    sample.append(fontString).append(Gap);
    return sample;
}

std::u16string ToU16(long long n) { return AsciiToU16(std::to_string(n)); }

std::u16string AsciiToU16(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

} // namespace zindra
