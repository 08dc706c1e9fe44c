#include "engine/PostNet.h"

#include "engine/Functions.h"

#include <algorithm>
#include <array>
#include <string>

namespace zindra {
namespace {

// the lengths of a postal code: ZIP, ZIP+4, ZIP+4 with delivery point (USPS
// Publication 25)
constexpr std::array<std::size_t, 3> PostNetLengths = {5, 9, 11};

} // namespace

EncodeOutcome EncodePostNet(std::u16string_view data) {
    if (std::find(PostNetLengths.begin(), PostNetLengths.end(), data.size()) ==
        PostNetLengths.end())
        return EncodeError{u"Error, zip code must be 5, 9, or 11 digits long"};
    if (!std::all_of(data.begin(), data.end(), IsDigit))
        return EncodeError{u"Error, you can only encode digits with PostNet bar code"};

    int sum = 0;
    for (char16_t c : data)
        sum += DigitValue(c);

    BarResult result;
    result.FontString = PostNetFrameStart + std::u16string(data) +
                        DigitChar(ModTenComplement(sum)) + PostNetFrameEnd;
    result.SampleText = result.FontString;
    return result;
}

} // namespace zindra
