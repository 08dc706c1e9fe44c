#pragma once

#include "settings/AtomicFile.h"
#include "settings/IniEdit.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace zindra {

// A read or write of the settings file that was refused, for the
// application's error report.
struct SettingsFileError {
    std::filesystem::path File;
    FileRefusal Reason;
    bool Reading = false;

    // "Could not write the settings file /home/ann/Documents/Zindra/zindratips.ini: ..."
    std::string Message() const;
    bool operator==(const SettingsFileError&) const = default;
};

// The most a text read gives back: what a 2048-character buffer holds.
inline constexpr std::size_t TextReadLimit = 2047;

// One operation on the settings file: made, used for a few keys, dropped.
// The file is read and its keys found once; a read after another program
// changed the file reads it again, so every read sees the file as it is now.
// Every write reaches the file before it returns, so two programs sharing the
// file see each other's keys, the later write of a key winning.
//
// Section and key names match without regard to letter case or surrounding
// blanks. A missing file, section or key gives the caller's default; so does
// a file the program refuses to read (not a regular file, or larger than
// LargestSettingsFile), which is also the operation's Error().
class IniFile {
  public:
    explicit IniFile(std::filesystem::path file);
    // The keys point into the text it holds.
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    const std::filesystem::path& Path() const { return file_; }

    // A section counts as present only while it holds at least one key.
    bool SectionExists(std::string_view section) const;

    // Decimal, or hexadecimal after "0x"/"0X"; anything else gives `fallback`.
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    // The integer rule; any value other than 0 is true.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
    // At most `longest` UTF-16 units, never half a character.
    std::u16string ReadString(std::string_view section, std::string_view key,
                              std::u16string_view fallback,
                              std::size_t longest = TextReadLimit) const;

    // After a refused read or write the later writes of this operation do
    // nothing, so the file never holds a mix the program did not intend
    // beyond that point.
    void WriteInteger(std::string_view section, std::string_view key, long long value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void WriteString(std::string_view section, std::string_view key, std::u16string_view value);

    // The first refused read or write of this operation, if any.
    const std::optional<SettingsFileError>& Error() const { return error_; }

  private:
    // What identifies one version of the file without reading it.
    struct Stamp {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{}, changed{};
        bool operator==(const Stamp&) const;
    };
    // The file's text as last read or written, and its keys.
    struct Contents {
        Stamp stamp;
        std::string text;
        std::optional<FileRefusal> refusal;
        std::optional<IniIndex> index; // found on the first look-up
    };

    static Stamp StampOf(const std::filesystem::path& file);
    // The file as it is now: the last reading while the file is unchanged.
    Contents& Current() const;
    // The keys, or nothing when the file is refused.
    const IniIndex* Index() const;
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
    void Write(std::string_view section, std::string_view key, std::string value);
    void Refuse(FileRefusal reason, bool reading) const;

    std::filesystem::path file_;
    mutable std::optional<Contents> contents_;
    mutable std::optional<SettingsFileError> error_;
};

// The value rule of ReadInteger on its own.
std::optional<int> ParseSettingsInteger(std::string_view text);

} // namespace zindra
