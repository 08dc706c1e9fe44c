#include "engine/Gs1ElementStrings.h"

#include "engine/Functions.h"
#include "engine/Gs1Dictionary.h"
#include "engine/Gs1Linters.h"

#include <algorithm>

namespace zindra {
namespace {

constexpr std::u16string_view SyntaxMessage =
    u"Error, GS1-128 data is element strings with their AIs in parentheses, "
    u"e.g. (01)09501101530003(10)AB-123";
constexpr std::size_t MaxDataLength = 48;

// The bracket pairs an AI may be typed in; data runs to the next opening one.
constexpr std::u16string_view Openers = u"([";
constexpr std::u16string_view Closers = u")]";

// GS1 AI encodable character set 82, and set 39; base64url for "Z".
constexpr std::u16string_view Cset82 =
    u"!\"%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
constexpr std::u16string_view Cset39 = u"#-/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::u16string_view Base64Url =
    u"-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";

bool InSet(char type, char16_t c) {
    switch (type) {
    case 'N':
        return IsDigit(c);
    case 'Y':
        return Cset39.find(c) != std::u16string_view::npos;
    case 'Z':
        return Base64Url.find(c) != std::u16string_view::npos;
    default:
        return Cset82.find(c) != std::u16string_view::npos;
    }
}

std::u16string Ascii(std::string_view s) {
    return AsciiToU16(s);
}

std::u16string AiPrefix(std::u16string_view ai) {
    return u"AI (" + std::u16string(ai) + u"): ";
}

bool Before(std::string_view a, std::u16string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
}

const Gs1Ai* FindAi(std::u16string_view ai) {
    const auto ais = Gs1Ais();
    const auto found = std::lower_bound(ais.begin(), ais.end(), ai,
                                        [](const Gs1Ai& a, auto key) { return Before(a.Ai, key); });
    return found != ais.end() &&
                   std::equal(found->Ai.begin(), found->Ai.end(), ai.begin(), ai.end())
               ? &*found
               : nullptr;
}

// "14 digits", "up to 20 characters", each component in turn.
std::u16string FormatOf(const Gs1Ai& ai) {
    std::u16string text;
    for (const Gs1Component& c : ai.Components) {
        if (!text.empty()) text += c.Optional ? u", then optionally " : u", then ";
        if (c.MinLength != c.MaxLength) text += u"up to ";
        text += ToU16(c.MaxLength);
        text += c.Type == 'N' ? u" digits" : u" characters";
    }
    return text;
}

// Runs the components over the value: lengths, character sets, then check routines.
std::vector<std::u16string> ComponentProblems(const Gs1Ai& ai, std::u16string_view value) {
    const std::u16string prefix = AiPrefix(Ascii(ai.Ai));
    std::vector<std::u16string> problems;
    std::size_t at = 0;
    for (const Gs1Component& c : ai.Components) {
        if (at == value.size() && c.Optional) break;
        const std::size_t left = value.size() - at;
        const auto length = std::min<std::size_t>(left, static_cast<std::size_t>(c.MaxLength));
        if (length < static_cast<std::size_t>(c.MinLength))
            return {prefix + u"the data should be " + FormatOf(ai)};
        const std::u16string_view part = value.substr(at, length);
        at += length;
        const auto* bad = std::find_if(part.begin(), part.end(),
                                       [&c](char16_t ch) { return !InSet(c.Type, ch); });
        if (bad != part.end()) {
            const std::u16string what = c.Type == 'N' ? u"a digit" : u"allowed in this AI";
            problems.push_back(
                FormatCharMessage(prefix + u"\"%c\" is not " + what, std::u16string(1, *bad)));
            continue;
        }
        for (std::string_view rest = c.Linters; !rest.empty();) {
            const std::size_t comma = rest.find(',');
            if (auto problem = Gs1LintProblem(rest.substr(0, comma), part))
                problems.push_back(prefix + *problem);
            rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
        }
    }
    if (at < value.size()) return {prefix + u"the data should be " + FormatOf(ai)};
    return problems;
}

// An AI against a dictionary pattern, where "n" stands for any digit.
bool Matches(std::u16string_view ai, std::string_view pattern) {
    if (ai.size() != pattern.size()) return false;
    for (std::size_t i = 0; i < ai.size(); ++i)
        if (pattern[i] != 'n' && ai[i] != pattern[i]) return false;
    return true;
}

template <typename Each> void ForEachItem(std::string_view list, char separator, Each each) {
    while (!list.empty()) {
        const std::size_t end = list.find(separator);
        each(list.substr(0, end));
        list = end == std::string_view::npos ? std::string_view{} : list.substr(end + 1);
    }
}

bool Holds(const std::vector<Gs1ElementString>& elements, std::string_view pattern) {
    return std::any_of(elements.begin(), elements.end(),
                       [pattern](const Gs1ElementString& e) { return Matches(e.Ai, pattern); });
}

bool Excludes(const Gs1ElementString& e, const Gs1ElementString& other) {
    bool excluded = false;
    ForEachItem(FindAi(e.Ai)->Excludes, ',',
                [&](std::string_view pattern) { excluded |= Matches(other.Ai, pattern); });
    return excluded;
}

// Excluded pairings within the symbol, once per pair whichever AI names the other;
// an AI never excludes itself.
void PairingProblems(const std::vector<Gs1ElementString>& elements,
                     std::vector<std::u16string>& problems) {
    for (std::size_t i = 0; i < elements.size(); ++i)
        for (std::size_t j = i + 1; j < elements.size(); ++j) {
            const Gs1ElementString& a = elements[i];
            const Gs1ElementString& b = elements[j];
            if (a.Ai != b.Ai && (Excludes(a, b) || Excludes(b, a)))
                problems.push_back(AiPrefix(a.Ai) + u"cannot be in one symbol with AI (" + b.Ai +
                                   u")");
        }
}

// Each group of alternatives ("01+21,03+21") must have one alternative all present.
std::u16string MissingPairings(const std::vector<Gs1ElementString>& elements) {
    std::u16string warning;
    for (const Gs1ElementString& e : elements)
        ForEachItem(FindAi(e.Ai)->Requires, ' ', [&](std::string_view group) {
            bool met = false;
            std::u16string wanted;
            ForEachItem(group, ',', [&](std::string_view alternative) {
                bool all = true;
                ForEachItem(alternative, '+',
                            [&](std::string_view p) { all &= Holds(elements, p); });
                met |= all;
                wanted += (wanted.empty() ? u"(" : u" or (") + Ascii(alternative) + u")";
            });
            if (!met)
                warning += (warning.empty() ? u"" : u"; ") + AiPrefix(e.Ai) + u"the label needs " +
                           wanted + u" too";
        });
    return warning;
}

} // namespace

std::size_t Gs1DataLength(const std::vector<Gs1ElementString>& elements) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const bool separator = !elements[i].PredefinedLength && i + 1 < elements.size();
        length += elements[i].Ai.size() + elements[i].Data.size() + (separator ? 1 : 0);
    }
    return length;
}

std::variant<Gs1Message, Gs1Problems> ReadGs1ElementStrings(std::u16string_view data) {
    if (data.empty() || Openers.find(data[0]) == std::u16string_view::npos)
        return Gs1Problems{std::u16string(SyntaxMessage)};
    const char16_t opener = data[0];
    const char16_t closer = Closers[Openers.find(opener)];

    Gs1Message message;
    std::vector<std::u16string> problems;
    for (std::size_t at = 0; at < data.size();) {
        const std::size_t close = data.find(closer, at + 1);
        if (close == std::u16string_view::npos) return Gs1Problems{std::u16string(SyntaxMessage)};
        const std::u16string_view ai = data.substr(at + 1, close - at - 1);
        const std::size_t next = std::min(data.find(opener, close + 1), data.size());
        const std::u16string_view value = data.substr(close + 1, next - close - 1);
        at = next;
        if (ai.size() < 2 || ai.size() > 4 || !std::all_of(ai.begin(), ai.end(), IsDigit)) {
            problems.push_back(u"Error, \"" + std::u16string(ai) + u"\" is not an AI");
            continue;
        }
        const Gs1Ai* entry = FindAi(ai);
        if (!entry) {
            problems.push_back(AiPrefix(ai) + u"there is no such AI");
            continue;
        }
        const std::vector<std::u16string> found = ComponentProblems(*entry, value);
        problems.insert(problems.end(), found.begin(), found.end());
        message.Elements.push_back(
            {std::u16string(ai), std::u16string(value), entry->PredefinedLength});
    }
    PairingProblems(message.Elements, problems);
    if (const std::size_t length = Gs1DataLength(message.Elements); length > MaxDataLength)
        problems.push_back(u"Error, GS1-128 holds at most 48 data characters, this data has " +
                           ToU16(static_cast<long long>(length)));
    if (!problems.empty()) {
        Gs1Problems all;
        for (const std::u16string& p : problems)
            all.Text += (all.Text.empty() ? u"" : u"\n") + p;
        return all;
    }
    message.Warning = MissingPairings(message.Elements);
    return message;
}

} // namespace zindra
