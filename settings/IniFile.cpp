#include "settings/IniFile.h"

#include "engine/Utf8.h"
#include "settings/IniEdit.h"

#include <charconv>
#include <climits>

namespace zindra {
namespace {

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

std::string SettingsFileError::Message() const {
    return std::string(Reading ? "Could not read" : "Could not write") + " the settings file " +
           File.string() + ": " + Reason + ".";
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

bool IniFile::Stamp::operator==(const Stamp& other) const {
    const auto same = [](const timespec& a, const timespec& b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    };
    return exists == other.exists && device == other.device && inode == other.inode &&
           size == other.size && same(modified, other.modified) && same(changed, other.changed);
}

IniFile::Stamp IniFile::StampOf(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) return {};
    return {true, info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim};
}

IniFile::Contents& IniFile::Current() const {
    // Stamped before reading: a change during the read shows at the next look.
    auto stamp = StampOf(file_);
    if (!contents_ || !(contents_->stamp == stamp)) {
        auto read = ReadRegularFile(file_, LargestSettingsFile);
        contents_.emplace(Contents{stamp, std::move(read.Text), std::move(read.Refusal), {}});
    }
    return *contents_;
}

const IniIndex* IniFile::Index() const {
    auto& contents = Current();
    if (contents.refusal) {
        Refuse(*contents.refusal, true);
        return nullptr;
    }
    if (!contents.index) contents.index.emplace(contents.text);
    return &*contents.index;
}

void IniFile::Refuse(FileRefusal reason, bool reading) const {
    if (!error_) error_ = SettingsFileError{file_, std::move(reason), reading};
}

std::optional<std::string_view> IniFile::Value(std::string_view section,
                                               std::string_view key) const {
    const auto* index = Index();
    if (!index) return std::nullopt;
    return index->Find(TrimBlanks(section), TrimBlanks(key));
}

bool IniFile::SectionExists(std::string_view section) const {
    const auto* index = Index();
    return index && index->HasKeyIn(TrimBlanks(section));
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
                                   std::u16string_view fallback, std::size_t longest) const {
    const auto value = Value(section, key);
    if (!value) return std::u16string(fallback);
    auto text = FromUtf8(*value);
    if (text.size() > longest && longest > 0) {
        // Half a surrogate pair would be no character at all.
        const bool splitsPair = text[longest - 1] >= 0xD800 && text[longest - 1] <= 0xDBFF;
        text.resize(splitsPair ? longest - 1 : longest);
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
    if (error_) return;
    const FileLock lock(file_);
    if (lock.Refusal()) return Refuse(*lock.Refusal(), false);
    auto& contents = Current();
    // A file that cannot be read must not be replaced by one key.
    if (contents.refusal) return Refuse(*contents.refusal, false);
    auto updated =
        SetIniValue(contents.text, TrimBlanks(section), TrimBlanks(key), Encoded(std::move(value)));
    if (updated.size() > LargestSettingsFile)
        return Refuse(TooLargeRefusal(LargestSettingsFile), false);
    if (auto refusal = ReplaceFileAtomically(file_, updated))
        return Refuse(std::move(*refusal), false);
    // Still under the lock: what is on the disk now is what was written.
    contents = Contents{StampOf(file_), std::move(updated), std::nullopt, std::nullopt};
}

} // namespace zindra
