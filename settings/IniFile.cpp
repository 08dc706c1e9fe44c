#include "settings/IniFile.h"

#include "settings/IniEdit.h"
#include "engine/Utf8.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zindra {
namespace {

// The longest text a read returns: a 2048-unit buffer less its terminator.
constexpr std::size_t ReadLimit = 2047;

// The whole file, an empty text when there is none, nothing when it exists
// but cannot be read (a write must then not replace it with one key); errno
// says why.
std::optional<std::string> FileText(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? std::optional<std::string>{""} : std::nullopt;
    std::string text;
    char chunk[8192];
    ssize_t got;
    while ((got = ::read(fd, chunk, sizeof chunk)) != 0) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) break;
        text.append(chunk, static_cast<std::size_t>(got));
    }
    const int readError = got < 0 ? errno : 0;
    ::close(fd);
    errno = readError;
    if (readError) return std::nullopt;
    return text;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// What goes after "=": a read drops blanks around a value and one pair of
// surrounding quotes, so a value that has either is quoted to come back whole.
// A line break would start a new line of the file; it is kept as a blank.
std::string Encoded(std::string value) {
    for (auto& c : value)
        if (c == '\r' || c == '\n') c = ' ';
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || quoted))
        return '"' + value + '"';
    return value;
}

} // namespace

std::string SettingsWriteError::Message() const {
    return "Could not write the settings file " + File.string() + ": " + Reason + ".";
}

std::optional<int> ParseSettingsInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    // from_chars takes a sign of its own; a second one is not an integer.
    if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
    long long magnitude = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    const long long value = negative ? -magnitude : magnitude;
    if (value < INT_MIN || value > INT_MAX) return std::nullopt;
    return static_cast<int>(value);
}

IniFile::IniFile(std::filesystem::path file) : file_(std::move(file)) {}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    const auto text = FileText(file_);
    if (!text) return std::nullopt;
    const auto value = FindIniValue(*text, TrimBlanks(section), TrimBlanks(key));
    if (!value) return std::nullopt;
    return std::string(*value);
}

bool IniFile::SectionExists(std::string_view section) const {
    const auto text = FileText(file_);
    return text && IniSectionHasKey(*text, TrimBlanks(section));
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    const auto value = Value(section, key);
    if (!value) return fallback;
    return ParseSettingsInteger(*value).value_or(fallback);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

std::u16string IniFile::ReadString(std::string_view section, std::string_view key,
                                   std::u16string_view fallback) const {
    const auto value = Value(section, key);
    if (!value) return std::u16string(fallback);
    auto text = FromUtf8(*value);
    if (text.size() > ReadLimit) {
        // Half a surrogate pair would be no character at all.
        const bool splitsPair = text[ReadLimit - 1] >= 0xD800 && text[ReadLimit - 1] <= 0xDBFF;
        text.resize(splitsPair ? ReadLimit - 1 : ReadLimit);
    }
    return text;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, long long value) {
    Write(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    Write(section, key, value ? "1" : "0");
}

void IniFile::WriteString(std::string_view section, std::string_view key,
                          std::u16string_view value) {
    Write(section, key, ToUtf8(value));
}

void IniFile::Write(std::string_view section, std::string_view key, std::string value) {
    if (writeError_) return;
    const FolderLock lock(file_.parent_path());
    const auto text = FileText(file_);
    if (!text) {
        writeError_ = SettingsWriteError{file_, std::strerror(errno)};
        return;
    }
    const auto updated =
        SetIniValue(*text, TrimBlanks(section), TrimBlanks(key), Encoded(std::move(value)));
    if (auto refusal = ReplaceFileAtomically(file_, updated))
        writeError_ = SettingsWriteError{file_, std::move(*refusal)};
}

} // namespace zindra
