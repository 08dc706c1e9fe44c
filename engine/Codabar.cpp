#include "engine/Codabar.h"

#include "engine/Functions.h"

#include <string>

namespace zindra {
namespace {

// the start and stop letters, in either case
constexpr std::u16string_view CodabarFrameLetters = u"ABCDabcd";
constexpr std::size_t MinLength = 3;

bool IsFrameLetter(char16_t c) {
    return CodabarFrameLetters.find(c) != std::u16string_view::npos;
}

} // namespace

EncodeOutcome EncodeCodabar(std::u16string_view data) {
    if (data.size() < MinLength)
        return EncodeError{u"Error:- bar code must be at least 3 characters"};
    if (!IsFrameLetter(data.front())) return EncodeError{u"Error: no legal start character"};
    if (!IsFrameLetter(data.back())) return EncodeError{u"Error: no legal stop character"};

    for (std::size_t i = 0; i < data.size(); ++i)
        if (CodabarLegal.find(data[i]) == std::u16string_view::npos)
            return EncodeError{FormatCharMessage(
                u"Error: input character \"%c\" not legal in codabar", CharacterAt(data, i))};

    BarResult result;
    result.FontString = std::u16string(data);
    result.SampleText = PaddedSample(result.FontString);
    return result;
}

} // namespace zindra
