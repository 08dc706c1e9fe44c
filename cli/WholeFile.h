#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zindra::cli {

// Writes the whole file or nothing: every write and the close are checked,
// since a full disk shows itself at either, and a file left incomplete is
// removed. Only a regular file is removed, never a device such as /dev/full.
// Returns why the file was not written completely, or nothing.
std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes);

} // namespace zindra::cli
