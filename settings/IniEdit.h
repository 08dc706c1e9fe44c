#pragma once

#include <string>
#include <string_view>

namespace zindra {

// The one change of a single-key write, made on the file's text so that every
// other line, comment, blank and spelling stays exactly as it was (the INI
// library rewrites a whole file in its own layout, which is why this exists).
// Lines are classified as the library reads them: "[name]" headers and
// "key=value" lines, names compared without regard to ASCII letter case and
// surrounding blanks, ";" and "#" starting comments.
//
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
