// Any bytes as the settings file, then every key the program reads, one key
// written and everything read again. What must always hold: no crash, the
// same answers twice, the write accepted, the written key reading back what
// was written, and every other key and section reading as it did before.
//
// Input: one byte picks the key, one the value form and the spelling of the
// names, two give the length of the value bytes that follow; the rest is the
// file.

#include "settings/IniFile.h"
#include "engine/Utf8.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace zindra;

struct Key {
    const char* section;
    const char* key;
};

// Every key the program reads, in every section it reads.
constexpr std::array Keys{
    Key{"TipoftheDay", "Enabled"},
    Key{"TipoftheDay", "Position"},
    Key{"TipoftheDay", "Maximum"},
    Key{"Tips", "0"},
    Key{"Tips", "1"},
    Key{"Tips", "24"},
    Key{"Settings", "Left"},
    Key{"Settings", "Top"},
    Key{"Settings", "Type"},
    Key{"Settings", "FontType"},
    Key{"Settings", "FontSize"},
    Key{"Settings", "Supplemental"},
    Key{"Settings", "PointSize"},
    Key{"Settings", "Data"},
    Key{"Settings", "OptionalChecksum"},
    Key{"Settings", "Option2"},
    Key{"Settings", "DispSums"},
    Key{"Settings", "LabelSize"},
    Key{"Settings", "LabelExplain"},
    Key{"Settings", "HintsOff"},
};
constexpr std::array Sections{"Settings", "TipoftheDay", "Tips"};

constexpr std::size_t HeaderBytes = 4;
constexpr std::size_t ReadLimit = 2047;
// No read can give this back: a lone surrogate never comes out of the file.
const std::u16string Missing(1, u'\xD800');

enum class Form { Integer, Boolean, Text };

// What a reader sees of the file, key by key.
struct Snapshot {
    std::vector<std::u16string> texts;
    std::vector<int> integers;
    std::vector<bool> sections;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const IniFile& ini) {
    Snapshot s;
    for (const auto& k : Keys) {
        s.texts.push_back(ini.ReadString(k.section, k.key, Missing));
        s.integers.push_back(ini.ReadInteger(k.section, k.key, -1));
        ini.ReadBool(k.section, k.key, true);
    }
    for (const auto* section : Sections)
        s.sections.push_back(ini.SectionExists(section));
    return s;
}

std::filesystem::path MakeFolder() {
    // A memory file system keeps the flush of every write cheap.
    std::error_code ec;
    const auto base = std::filesystem::is_directory("/dev/shm", ec)
                          ? std::filesystem::path("/dev/shm")
                          : std::filesystem::temp_directory_path();
    std::string pattern = (base / "zindra-fuzz-ini-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern;
}

const std::filesystem::path& Folder() {
    static const auto folder = MakeFolder();
    return folder;
}

const std::filesystem::path& File() {
    static const auto file = Folder() / "zindratips.ini";
    return file;
}

void RemoveFolder() {
    std::error_code ec;
    std::filesystem::remove_all(Folder(), ec);
}

void Put(const std::string& text) {
    std::ofstream(File(), std::ios::binary | std::ios::trunc) << text;
}

std::string Contents() {
    std::ifstream in(File(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Names are matched whatever their letter case and surrounding blanks.
std::string Spelled(std::string name, int spelling) {
    for (auto& c : name) {
        if (spelling == 1 && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (spelling == 2 && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return spelling == 3 ? " " + name + "\t" : name;
}

// A line break cannot be held in one line and is written as a blank; a read
// gives back at most ReadLimit units and never half a pair.
bool ReadsBackAs(std::u16string written, const std::u16string& read) {
    for (auto& c : written)
        if (c == u'\r' || c == u'\n') c = u' ';
    if (written.size() <= ReadLimit) return read == written;
    return (read.size() == ReadLimit || read.size() == ReadLimit - 1) && written.starts_with(read);
}

void Fail(const char* what, const Key& key) {
    std::fprintf(stderr, "%s after writing [%s] %s\n", what, key.section, key.key);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    File();
    std::atexit(RemoveFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < HeaderBytes) return 0;
    const auto& key = Keys[data[0] % Keys.size()];
    const auto form = static_cast<Form>(data[1] % 3);
    const int spelling = (data[1] / 3) % 4;
    const std::size_t valueBytes = std::min<std::size_t>(data[2] | data[3] << 8, size - 4);
    const std::string valueText(reinterpret_cast<const char*>(data + 4), valueBytes);
    const std::string file(reinterpret_cast<const char*>(data + 4 + valueBytes),
                           size - 4 - valueBytes);

    Put(file);
    IniFile ini(File());
    const auto before = Take(ini);
    if (Take(ini) != before) Fail("two reads differ", key);

    const auto section = Spelled(key.section, spelling);
    const auto name = Spelled(key.key, spelling);
    int integer = 0;
    for (std::size_t i = 0; i < valueBytes && i < 4; ++i)
        integer = static_cast<int>(static_cast<unsigned>(integer) << 8 | data[4 + i]);
    const auto text = FromUtf8(valueText);
    const auto write = [&](IniFile& target) {
        if (form == Form::Integer) target.WriteInteger(section, name, integer);
        if (form == Form::Boolean) target.WriteBool(section, name, integer & 1);
        if (form == Form::Text) target.WriteString(section, name, text);
    };
    write(ini);
    if (ini.Error()) Fail(ini.Error()->Message().c_str(), key);

    const IniFile reader(File());
    if (form == Form::Integer && reader.ReadInteger(key.section, key.key, ~integer) != integer)
        Fail("integer does not read back", key);
    if (form == Form::Boolean &&
        reader.ReadString(key.section, key.key, Missing) != (integer & 1 ? u"1" : u"0"))
        Fail("boolean does not read back", key);
    if (form == Form::Text && !ReadsBackAs(text, reader.ReadString(key.section, key.key, Missing)))
        Fail("text does not read back", key);

    const auto after = Take(reader);
    for (std::size_t i = 0; i < Keys.size(); ++i) {
        if (&Keys[i] == &key) continue;
        if (after.texts[i] != before.texts[i]) Fail("another key changed", Keys[i]);
    }
    for (std::size_t i = 0; i < Sections.size(); ++i) {
        const bool written = std::string_view(Sections[i]) == key.section;
        if (after.sections[i] != (written || before.sections[i]))
            Fail("a section came or went", Key{Sections[i], ""});
    }

    // The same write again changes nothing.
    const auto once = Contents();
    IniFile again(File());
    write(again);
    if (Contents() != once) Fail("a repeated write changed the file", key);
    return 0;
}
