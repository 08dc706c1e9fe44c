#include "engine/Code128Auto.h"

#include "engine/Code128Abc.h"
#include "engine/Functions.h"

#include <algorithm>
#include <array>
#include <limits>

namespace zindra {
namespace {

enum SubsetIndex { A, B, C, SubsetCount };

// start value of each subset, and the value that switches to it from the others
constexpr std::array<int, SubsetCount> StartValue = {code128::StartA, code128::StartB,
                                                     code128::StartC};
constexpr std::array<int, SubsetCount> SwitchValue = {code128::CodeA, code128::CodeB,
                                                      code128::CodeC};
// Where equal lengths leave a choice: the start (and a switch) tries B, then C, then A.
constexpr std::array<SubsetIndex, SubsetCount> Preference = {B, C, A};

// The characters of the Insert box that Auto reads as function symbols: FNC1, FNC2,
// FNC3, and FNC4 as both subset A and subset B write it.
struct FunctionChar {
    char16_t typed;
    int item;
};
constexpr std::array<FunctionChar, 5> FunctionChars = {
    {{205, ItemFnc1}, {200, ItemFnc2}, {199, ItemFnc3}, {204, ItemFnc4}, {203, ItemFnc4}}};

constexpr int HighBit = 128;
constexpr int Latin1End = 256;

// The value of an ASCII code in subset A (NUL..US are 64..95) or B, or -1.
int AsciiValue(int code, SubsetIndex s) {
    if (s == A) return code < 32 ? code + 64 : code < 96 ? code - 32 : -1;
    return code >= 32 && code < 128 ? code - 32 : -1;
}

int FunctionValue(int item, SubsetIndex s) {
    switch (item) {
    case ItemFnc1:
        return code128::Fnc1;
    case ItemFnc2:
        return s == C ? -1 : code128::Fnc2;
    case ItemFnc3:
        return s == C ? -1 : code128::Fnc3;
    default:
        return s == C ? -1 : s == A ? code128::Fnc4InA : code128::Fnc4InB;
    }
}

// The values that write items[i..] in subset s without leaving it, and how many
// items they carry; empty when s cannot.
struct Step {
    std::array<int, 3> values{};
    int count = 0;   // values used
    int carried = 0; // items consumed
};

Step InSubset(std::span<const int> items, std::size_t i, SubsetIndex s) {
    const int item = items[i];
    if (item < 0) {
        const int v = FunctionValue(item, s);
        return v < 0 ? Step{} : Step{{v}, 1, 1};
    }
    if (s == C) {
        if (i + 1 < items.size() && item >= '0' && item <= '9' && items[i + 1] >= '0' &&
            items[i + 1] <= '9')
            return {{(item - '0') * 10 + items[i + 1] - '0'}, 1, 2};
        return {};
    }
    const int fnc4 = FunctionValue(ItemFnc4, s);
    if (item >= HighBit) {
        const int v = AsciiValue(item - HighBit, s);
        return v < 0 ? Step{} : Step{{fnc4, v}, 2, 1};
    }
    if (const int v = AsciiValue(item, s); v >= 0) return {{v}, 1, 1};
    // the one character of the other subset, behind a Shift
    const int shifted = AsciiValue(item, s == A ? B : A);
    return {{code128::Shift, shifted}, 2, 1};
}

constexpr int Unreachable = std::numeric_limits<int>::max() / 2;

} // namespace

std::vector<int> MinimalCode128(std::span<const int> items) {
    const std::size_t n = items.size();
    // stay[i][s]: fewest values for items[i..] when in s and writing items[i] in s;
    // best[i][s]: the same when a switch at i is allowed (switchTo, or -1 for none).
    std::vector<std::array<int, SubsetCount>> stay(n + 1), best(n + 1), switchTo(n + 1);
    std::vector<std::array<Step, SubsetCount>> steps(n);
    best[n] = stay[n] = {0, 0, 0};
    switchTo[n] = {-1, -1, -1};
    for (std::size_t i = n; i-- > 0;) {
        for (int s = 0; s < SubsetCount; ++s) {
            steps[i][s] = InSubset(items, i, static_cast<SubsetIndex>(s));
            const Step& step = steps[i][s];
            stay[i][s] = step.count ? step.count + best[i + step.carried][s] : Unreachable;
        }
        for (int s = 0; s < SubsetCount; ++s) {
            best[i][s] = stay[i][s];
            switchTo[i][s] = -1;
            for (SubsetIndex t : Preference)
                if (t != s && 1 + stay[i][t] < best[i][s]) {
                    best[i][s] = 1 + stay[i][t];
                    switchTo[i][s] = t;
                }
        }
    }
    int s = Preference[0];
    for (SubsetIndex t : Preference)
        if (stay[0][t] < stay[0][s]) s = t;

    std::vector<int> values{StartValue[s]};
    values.reserve(1 + static_cast<std::size_t>(stay[0][s]));
    for (std::size_t i = 0; i < n;) {
        if (i > 0 && switchTo[i][s] >= 0) {
            s = switchTo[i][s];
            values.push_back(SwitchValue[s]);
        }
        const Step& step = steps[i][s];
        values.insert(values.end(), step.values.begin(), step.values.begin() + step.count);
        i += static_cast<std::size_t>(step.carried);
    }
    return values;
}

EncodeOutcome EncodeCode128Auto(std::u16string_view data, bool Option2, bool OptionalChecksum,
                                bool DispSums) {
    std::vector<int> items;
    items.reserve(data.size() + 1);
    if (Option2) items.push_back(ItemFnc1);
    for (std::size_t i = 0; i < data.size(); ++i) {
        const char16_t c = data[i];
        const auto* function = std::find_if(FunctionChars.begin(), FunctionChars.end(),
                                            [c](const FunctionChar& f) { return f.typed == c; });
        if (function != FunctionChars.end()) {
            items.push_back(function->item);
            continue;
        }
        if (c >= Latin1End)
            return EncodeError{FormatCharMessage(
                u"Error: input character \"%c\" not legal in bar code 128", CharacterAt(data, i))};
        items.push_back(c);
    }
    const std::vector<int> values = MinimalCode128(items);
    Code128AbcSymbol symbol = FinishCode128Abc(values, OptionalChecksum);

    BarResult result;
    if (DispSums)
        result.SumsText = FormatFields(u"   Sum: %d  Checksum: %d",
                                       {ToU16(symbol.Sum), ToU16(symbol.CheckValue)});
    result.FontString = std::move(symbol.FontString);
    result.SampleText = PaddedSample(result.FontString);
    return result;
}

} // namespace zindra
