#include "settings/IniEdit.h"

#include <algorithm>
#include <optional>
#include <vector>

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

// A line ends at "\r\n", "\n" or a lone "\r" (files from old editors).
std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        const auto body = text.substr(0, end);
        std::string_view ending;
        if (end != std::string_view::npos)
            ending = text.substr(end, text.substr(end).starts_with("\r\n") ? 2 : 1);
        lines.push_back(Classify(body, ending));
        text.remove_prefix(body.size() + ending.size());
    }
    return lines;
}

std::vector<Line> SplitFile(std::string_view text) {
    if (text.starts_with(Utf8Signature)) text.remove_prefix(Utf8Signature.size());
    return SplitLines(text);
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

std::optional<std::string_view> FindIniValue(std::string_view text, std::string_view section,
                                             std::string_view key) {
    bool inSection = false;
    for (const auto& line : SplitFile(text)) {
        if (line.kind == LineKind::Section) inSection = SameName(line.name, section);
        if (line.kind != LineKind::Key || !inSection || !SameName(line.name, key)) continue;
        auto value = TrimBlanks(line.body.substr(line.valueStart));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return value;
    }
    return std::nullopt;
}

bool IniSectionHasKey(std::string_view text, std::string_view section) {
    bool inSection = false;
    for (const auto& line : SplitFile(text)) {
        if (line.kind == LineKind::Section) inSection = SameName(line.name, section);
        if (line.kind == LineKind::Key && inSection) return true;
    }
    return false;
}

std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value) {
    const bool signed_ = text.starts_with(Utf8Signature);
    const auto lines = SplitFile(text);
    const std::string newline = text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";

    std::optional<std::size_t> keyLine, insertAfter;
    bool inSection = false, inFirstOccurrence = false, sectionSeen = false;
    for (std::size_t i = 0; i < lines.size() && !keyLine; ++i) {
        const auto& line = lines[i];
        if (line.kind == LineKind::Section) {
            inSection = SameName(line.name, section);
            inFirstOccurrence = inSection && !sectionSeen;
            sectionSeen = sectionSeen || inSection;
            if (inFirstOccurrence) insertAfter = i;
        } else if (line.kind == LineKind::Key && inSection) {
            if (SameName(line.name, key))
                keyLine = i;
            else if (inFirstOccurrence)
                insertAfter = i;
        }
    }

    std::string out(signed_ ? Utf8Signature : "");
    out.reserve(text.size() + key.size() + value.size() + section.size() + 8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& line = lines[i];
        if (keyLine == i) {
            out.append(line.body.substr(0, line.valueStart)).append(value).append(line.ending);
            continue;
        }
        out.append(line.body).append(line.ending);
        if (!keyLine && insertAfter == i) {
            if (line.ending.empty()) out += newline;
            out.append(key).append("=").append(value).append(newline);
        }
    }
    if (!keyLine && !insertAfter) {
        // A new section starts on a line of its own, after one blank line.
        if (!lines.empty() && lines.back().ending.empty()) out += newline;
        if (!lines.empty() && !TrimBlanks(lines.back().body).empty()) out += newline;
        out.append("[").append(section).append("]").append(newline);
        out.append(key).append("=").append(value).append(newline);
    }
    return out;
}

} // namespace zindra
