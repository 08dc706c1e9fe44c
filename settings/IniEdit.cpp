#include "settings/IniEdit.h"

#include <algorithm>
#include <optional>

namespace zindra {
namespace {

constexpr std::string_view Utf8Signature = "\xEF\xBB\xBF";

enum class LineKind { Other, Section, Key };

struct Line {
    std::string_view body;   // without its line ending
    std::string_view ending; // "\n", "\r\n" or "" on a last line without one
    LineKind kind = LineKind::Other;
    std::string_view name;      // the section or key name, trimmed
    std::size_t valueStart = 0; // a key line's first value character within body
};

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

Line Classify(std::string_view body, std::string_view ending) {
    Line line;
    line.body = body;
    line.ending = ending;
    const auto text = TrimBlanks(body);
    if (text.empty() || text.front() == ';' || text.front() == '#') return line;
    if (text.front() == '[') {
        const auto close = text.find(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Section;
            line.name = TrimBlanks(text.substr(1, close - 1));
        }
        return line;
    }
    const auto equals = body.find('=');
    if (equals == std::string_view::npos) return line;
    line.name = TrimBlanks(body.substr(0, equals));
    if (line.name.empty()) return line;
    line.kind = LineKind::Key;
    line.valueStart = equals + 1;
    while (line.valueStart < body.size() &&
           (body[line.valueStart] == ' ' || body[line.valueStart] == '\t'))
        ++line.valueStart;
    return line;
}

// Calls `visit(line, offset)` for each line of the file in order, `offset`
// being where the line's body starts in `text`. A line ends at "\r\n", "\n"
// or a lone "\r" (files from old editors). Nothing is kept between lines, so
// a file of a million blank lines costs no memory.
template <typename Visit> void ForEachLine(std::string_view text, Visit visit) {
    std::size_t offset = text.starts_with(Utf8Signature) ? Utf8Signature.size() : 0;
    while (offset < text.size()) {
        const auto rest = text.substr(offset);
        const auto end = rest.find_first_of("\r\n");
        const auto body = rest.substr(0, end);
        std::string_view ending;
        if (end != std::string_view::npos)
            ending = rest.substr(end, rest.substr(end).starts_with("\r\n") ? 2 : 1);
        visit(Classify(body, ending), offset);
        offset += body.size() + ending.size();
    }
}

std::string Lowered(std::string_view name) {
    std::string lowered(name);
    for (auto& c : lowered)
        c = Lower(c);
    return lowered;
}

std::string IndexKey(std::string_view section, std::string_view key) {
    return Lowered(section) + '\n' + Lowered(key);
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return Lower(x) == Lower(y); });
}

IniIndex::IniIndex(std::string_view text) {
    std::string section;
    ForEachLine(text, [&](const Line& line, std::size_t) {
        if (line.kind == LineKind::Section) section = Lowered(line.name);
        if (line.kind != LineKind::Key) return;
        sectionsWithKeys_.insert(section);
        auto value = TrimBlanks(line.body.substr(line.valueStart));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        // The first line of a key answers: emplace keeps it.
        values_.emplace(section + '\n' + Lowered(line.name), value);
    });
}

std::optional<std::string_view> IniIndex::Find(std::string_view section,
                                               std::string_view key) const {
    const auto found = values_.find(IndexKey(section, key));
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

bool IniIndex::HasKeyIn(std::string_view section) const {
    return sectionsWithKeys_.contains(Lowered(section));
}

std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value) {
    const std::string newline = text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";

    // Where the key's value is, or else where a new key line goes.
    std::optional<std::size_t> valueStart, valueEnd, insertAt;
    bool insertNeedsNewline = false;
    bool lastLineBlank = true, lastLineEnded = true;
    bool inSection = false, inFirstOccurrence = false, sectionSeen = false;
    ForEachLine(text, [&](const Line& line, std::size_t offset) {
        lastLineBlank = TrimBlanks(line.body).empty();
        lastLineEnded = !line.ending.empty();
        if (valueStart) return;
        const auto lineEnd = offset + line.body.size() + line.ending.size();
        if (line.kind == LineKind::Section) {
            inSection = SameName(line.name, section);
            inFirstOccurrence = inSection && !sectionSeen;
            sectionSeen = sectionSeen || inSection;
        } else if (line.kind == LineKind::Key && inSection && SameName(line.name, key)) {
            valueStart = offset + line.valueStart;
            valueEnd = offset + line.body.size();
            return;
        } else if (line.kind != LineKind::Key || !inFirstOccurrence) {
            return;
        }
        if (inFirstOccurrence) {
            insertAt = lineEnd;
            insertNeedsNewline = line.ending.empty();
        }
    });

    std::string out;
    out.reserve(text.size() + key.size() + value.size() + section.size() + 8);
    if (valueStart) {
        out.append(text.substr(0, *valueStart)).append(value).append(text.substr(*valueEnd));
    } else if (insertAt) {
        out.append(text.substr(0, *insertAt));
        if (insertNeedsNewline) out += newline;
        out.append(key).append("=").append(value).append(newline);
        out.append(text.substr(*insertAt));
    } else {
        out.append(text);
        // A new section starts on a line of its own, after one blank line.
        const bool anyLine = text.size() > (text.starts_with(Utf8Signature) ? 3u : 0u);
        if (anyLine && !lastLineEnded) out += newline;
        if (anyLine && !lastLineBlank) out += newline;
        out.append("[").append(section).append("]").append(newline);
        out.append(key).append("=").append(value).append(newline);
    }
    return out;
}

} // namespace zindra
