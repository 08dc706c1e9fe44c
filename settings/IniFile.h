#pragma once

#include "settings/AtomicFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zindra {

// A write the file system refused, for the application's error report.
struct SettingsWriteError {
    std::filesystem::path File;
    FileRefusal Reason;

    // "Could not write the settings file /home/ann/Documents/Zindra/zindratips.ini: ..."
    std::string Message() const;
    bool operator==(const SettingsWriteError&) const = default;
};

// One operation on the settings file: made, used for a few keys, dropped.
// Nothing is cached: every read looks at the file as it is now and every write
// reaches the file before it returns, so two programs sharing the file see
// each other's keys, the later write of a key winning.
//
// Section and key names match without regard to letter case or surrounding
// blanks. A missing file, section or key gives the caller's default. Text is
// read as through a 2048-character buffer: at most 2047 UTF-16 units.
class IniFile {
  public:
    explicit IniFile(std::filesystem::path file);

    const std::filesystem::path& Path() const { return file_; }

    // A section counts as present only while it holds at least one key.
    bool SectionExists(std::string_view section) const;

    // Decimal, or hexadecimal after "0x"/"0X"; anything else gives `fallback`.
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    // The integer rule; any value other than 0 is true.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
    std::u16string ReadString(std::string_view section, std::string_view key,
                              std::u16string_view fallback) const;

    // After a refused write the later writes of this operation do nothing, so
    // the file never holds a mix the program did not intend beyond that point.
    void WriteInteger(std::string_view section, std::string_view key, long long value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void WriteString(std::string_view section, std::string_view key, std::u16string_view value);

    // The refused write of this operation, if any.
    const std::optional<SettingsWriteError>& WriteError() const { return writeError_; }

  private:
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    void Write(std::string_view section, std::string_view key, std::string value);

    std::filesystem::path file_;
    std::optional<SettingsWriteError> writeError_;
};

// The value rule of ReadInteger on its own.
std::optional<int> ParseSettingsInteger(std::string_view text);

} // namespace zindra
