#include "engine/Code93.h"

#include "engine/Code39Tables.h"
#include "engine/Functions.h"

#include <array>
#include <string>

namespace zindra {
namespace {

constexpr int Code93Modulus = 47;
constexpr int MaxCWeight = 20;
constexpr int MaxKWeight = 15;
constexpr int PlainTextSize = 10;
constexpr int SumsTextSize = 8;

constexpr char16_t FirstHighPair = 169;
constexpr char16_t LastHighPair = 172;

// Code 93's full ASCII pairs are Code 39's, each written with Code 93's own
// shift ($) (%) (/) (+) in place of Code 39's shift character.
constexpr std::u16string_view Code39Shifts = u"$%/+";
constexpr std::u16string_view Code93Shifts = u"<=>?";

struct SymbolText {
    std::array<char16_t, 2> Chars{};
    std::size_t Size = 0;
    constexpr std::u16string_view View() const { return {Chars.data(), Size}; }
};

// the symbol text of each code 32 to 126: a Code 39 data character (which
// Code 93 shares) as its own font character, a typed shift character "<" "="
// ">" "?" as that shift, every other one as its pair
constexpr std::array<SymbolText, LastPrintable - FirstPrintable + 1> Code93Symbols = [] {
    std::array<SymbolText, LastPrintable - FirstPrintable + 1> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto basic = Code39Legal.find(static_cast<char16_t>(FirstPrintable + i));
        const std::u16string_view pair = Code39FullAscii[i];
        const char16_t c = static_cast<char16_t>(FirstPrintable + i);
        if (Code93Shifts.find(c) != std::u16string_view::npos)
            table[i] = {{c, 0}, 1};
        else if (basic != std::u16string_view::npos)
            table[i] = {{Code93Char[basic], 0}, 1};
        else
            table[i] = {{Code93Shifts[Code39Shifts.find(pair[0])], pair[1]}, 2};
    }
    return table;
}();

// where Code 93 parts from Code 39: its own characters for what Code 39 pairs
static_assert(Code93Symbols[u'$' - FirstPrintable].View() == u"$");
static_assert(Code93Symbols[u'/' - FirstPrintable].View() == u"/");
static_assert(Code93Symbols[u' ' - FirstPrintable].View() == u"~");
static_assert(Code93Symbols[u'^' - FirstPrintable].View() == u"=N");
static_assert(Code93Symbols[u'<' - FirstPrintable].View() == u"<");

// Code93FullAscii of the characters 169 to 172; the last two are dropped
constexpr std::array<std::u16string_view, LastHighPair - FirstHighPair + 1> Code93HighSymbols = {
    u"=", u"<", u"", u""};

struct Sums {
    long long C = 0; // before the modulo, as the sums line shows them
    long long K = 0;
    int CCheck = 0;
    int KCheck = 0;
};

// The weight of the leftmost of `count` characters when weights run from 1 at
// the right end up to `max` and then start again at 1.
int StartWeight(std::size_t count, int max) {
    const int weight = static_cast<int>(count % static_cast<std::size_t>(max));
    return weight == 0 ? max : weight;
}

// The K count takes the C character as its first, one place right of the text.
Sums CheckSums(std::u16string_view symbols) {
    int cWeight = StartWeight(symbols.size(), MaxCWeight);
    int kWeight = StartWeight(symbols.size() + 1, MaxKWeight);
    Sums sums;
    for (char16_t symbol : symbols) {
        const auto value = static_cast<long long>(Code93Char.find(symbol));
        sums.C += cWeight * value;
        sums.K += kWeight * value;
        cWeight = cWeight == 1 ? MaxCWeight : cWeight - 1;
        kWeight = kWeight == 1 ? MaxKWeight : kWeight - 1;
    }
    sums.CCheck = static_cast<int>(sums.C % Code93Modulus);
    sums.K += sums.CCheck;
    sums.KCheck = static_cast<int>(sums.K % Code93Modulus);
    return sums;
}

} // namespace

EncodeOutcome EncodeCode93(std::u16string_view data, bool DispSums) {
    std::u16string symbols;
    symbols.reserve(data.size() * 2);
    for (std::size_t i = 0; i < data.size(); ++i) {
        const char16_t c = data[i];
        if (c >= FirstPrintable && c <= LastPrintable)
            symbols += Code93Symbols[c - FirstPrintable].View();
        else if (c >= FirstHighPair && c <= LastHighPair)
            symbols += Code93HighSymbols[c - FirstHighPair];
        else
            return EncodeError{FormatCharMessage(
                u"Error: input character \"%c\" not legal in bar code 93", CharacterAt(data, i))};
    }

    // 171 and 172 are dropped; a symbol of check characters alone carries no data.
    if (symbols.empty())
        return EncodeError{u"Error: no character of the data is legal in bar code 93"};

    const Sums sums = CheckSums(symbols);
    symbols.push_back(Code93Char[sums.CCheck]);
    symbols.push_back(Code93Char[sums.KCheck]);

    BarResult result;
    result.FontString = Code93Start + symbols + Code93Stop;
    result.SampleText = PaddedSample(result.FontString);
    result.OutputTextSize = PlainTextSize;
    if (DispSums) {
        // The sums line starts with the stop character, so it moves out of the font string.
        result.FontString.pop_back();
        result.SumsText =
            FormatFields(u")   CSum: %d  Ksum: %d  CCheck: %d  KCheck: %d",
                         {ToU16(sums.C), ToU16(sums.K), ToU16(sums.CCheck), ToU16(sums.KCheck)});
        result.OutputTextSize = SumsTextSize;
    }
    return result;
}

} // namespace zindra
