#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace zindra {

// The settings file's text, read and changed one key at a time. Reading and
// writing share one reading of the lines, so that a write is always what the
// next read finds, and a single-key write leaves every other line, comment,
// blank and spelling exactly as it was. A line ends at "\r\n", "\n" or a lone
// "\r"; "[name]" starts a section and "key=value" is a key line, names compared
// without regard to ASCII letter case and surrounding blanks; ";" and "#"
// start comments; a UTF-8 signature is kept but is not part of the first line.
// Anything else, a NUL byte included, is an ordinary character.

// Every key of the text found once, for any number of look-ups: the file is
// read and its lines split once per operation, not once per key. The views
// point into the text, which must outlive the index and stay unchanged.
class IniIndex {
  public:
    explicit IniIndex(std::string_view text);

    // The value of the first line of `key` in any occurrence of `section`,
    // without the blanks around it and then one pair of surrounding quotes.
    // `section` and `key` must already be trimmed.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Whether `section` holds at least one key line.
    bool HasKeyIn(std::string_view section) const;

  private:
    // Section and key, lower-cased, joined by a line break no name can hold.
    std::unordered_map<std::string, std::string_view> values_;
    std::unordered_set<std::string> sectionsWithKeys_;
};

// The first line of `key` in `section` gets `value` after its "="; a missing
// key is added after the last key of the section's first occurrence; a missing
// section is appended at the end. `section` and `key` must already be trimmed;
// `value` must hold no line break.
std::string SetIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);

// Blanks and tabs removed from both ends.
std::string_view TrimBlanks(std::string_view text);

// ASCII letters compared without regard to case.
bool SameName(std::string_view a, std::string_view b);

} // namespace zindra
