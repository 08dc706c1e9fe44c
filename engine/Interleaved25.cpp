#include "engine/Interleaved25.h"

#include "engine/Functions.h"

#include <string>

namespace zindra {
namespace {

struct Frame {
    std::u16string_view Start;
    std::u16string_view Stop;
};

// start and stop characters: plain, ITF-14, ITF-14 with the closed box
constexpr char16_t BoxStart[] = {Itf14BoxSide, Itf14BoxQuiet, Interleaved25Start};
constexpr char16_t BoxStop[] = {Interleaved25Stop, Itf14BoxQuiet, Itf14BoxSide};
constexpr Frame PlainFrame{{BoxStart + 2, 1}, {BoxStop, 1}};
constexpr Frame Itf14Frame{{BoxStart + 1, 2}, {BoxStop, 2}};
constexpr Frame Itf14BoxFrame{{BoxStart, 3}, {BoxStop, 3}};

constexpr std::size_t Itf14Digits = 13;

// Weights 3, 1, 3, 1, ... from the left. The sum is kept reduced mod 10 so that
// no length of data can overflow it; only its last digit matters.
char16_t CheckDigit(std::u16string_view digits) {
    int sum = 0;
    for (std::size_t i = 0; i < digits.size(); ++i)
        sum = (sum + (i % 2 == 0 ? 3 : 1) * DigitValue(digits[i])) % 10;
    return DigitChar(ModTenComplement(sum));
}

std::u16string PairChars(std::u16string_view digits) {
    std::u16string pairs;
    pairs.reserve(digits.size() / 2);
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
        pairs.push_back(
            Interleaved25PairChar(DigitValue(digits[i]) * 10 + DigitValue(digits[i + 1])));
    return pairs;
}

} // namespace

EncodeOutcome EncodeInterleaved25(std::u16string_view data, FontType fontType,
                                  bool OptionalChecksum, bool Option2) {
    std::u16string digits = KeepDigits(data);
    const bool itf14 = fontType == FontType::Itf14;
    std::u16string entered;

    if (itf14) {
        if (digits.size() < Itf14Digits || digits.size() > Itf14Digits + 1)
            return EncodeError{u"Error, ITF-14 bar codes are 13 digits plus a checksum"};
        entered = digits.substr(Itf14Digits);
        digits.resize(Itf14Digits);
    } else {
        // With no digit left the frame alone would print, a symbol that scans as nothing.
        if (digits.empty()) return EncodeError{u"Error, there are no digits to bar code"};
        const bool odd = digits.size() % 2 == 1;
        if (odd && !OptionalChecksum)
            return EncodeError{u"Error, you must have an even number of digits"};
        if (!odd && OptionalChecksum)
            return EncodeError{u"Error, you must have an odd number of digits with a checksum"};
    }

    if (OptionalChecksum || itf14) digits.push_back(CheckDigit(digits));

    if (!entered.empty() && entered.back() != digits.back())
        return EncodeError{u"Error, the checksum you entered is incorrect"};

    const Frame& frame = !itf14 ? PlainFrame : Option2 ? Itf14BoxFrame : Itf14Frame;
    BarResult result;
    result.FontString.append(frame.Start).append(PairChars(digits)).append(frame.Stop);
    result.SampleText = result.FontString;
    return result;
}

} // namespace zindra
