#include "settings/IniFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using namespace std::string_literals;
using test::ReadText;
using test::TempFolder;
using test::WriteText;

struct Expected {
    const char* section;
    const char* key;
    std::u16string value;
};

// Tips 0 up to the count, each line "N=Tip number N ..." padded to 100 bytes.
std::string ManyTips(int count) {
    std::string text = "[Tips]\n";
    for (int i = 0; i < count; ++i) {
        auto line = std::to_string(i) + "=Tip number " + std::to_string(i);
        line.resize(99, '.');
        text += line + "\n";
    }
    return text;
}

const std::string LongLine(100'000, 'Q');
// The one line that writing Left=7 adds.
const std::string Added = "Left=7\n";

class BadSettingsFileTest : public ::testing::Test {
  protected:
    std::filesystem::path File() const { return folder / "zindratips.ini"; }
    std::u16string Read(const char* section, const char* key) const {
        return IniFile(File()).ReadString(section, key, u"(missing)");
    }

    TempFolder folder;
};

// Whatever the file holds, a write of one key is read back, every key that
// could be read before still reads the same, and the write adds its one line
// and changes no other byte.
TEST_F(BadSettingsFileTest, AWriteIsReadBackAndKeepsEveryOtherByte) {
    const struct {
        const char* name;
        std::string before;
        std::vector<Expected> readable;
    } rows[] = {
        {"binary garbage around the keys",
         "\x00\x01\xff\xfe\x80 junk\n[Settings]\nType=93\n\x00\x00=\xff\n"
         "[TipoftheDay]\nEnabled=0\n\x7f\x00"s,
         {{"Settings", "Type", u"93"}, {"TipoftheDay", "Enabled", u"0"}}},
        {"a NUL byte does not end the file",
         "[Tips]\n0=A\x00tip\n[Settings]\nType=93\n"s,
         {{"Settings", "Type", u"93"}, {"Tips", "0", u"A\0tip"s}}},
        {"lines ended by a lone carriage return",
         "[Settings]\rType=93\r[TipoftheDay]\rEnabled=0\r",
         {{"Settings", "Type", u"93"}, {"TipoftheDay", "Enabled", u"0"}}},
        {"a bracket alone is no section header",
         "[\nSettings]\nLeft=1\n[Settings]\nType=93\n",
         {{"Settings", "Type", u"93"}}},
        {"a 1 MB file",
         ManyTips(10'000) + "[Settings]\nType=93\n",
         {{"Settings", "Type", u"93"},
          {"Tips", "9999", u"Tip number 9999" + std::u16string(79, u'.')}}},
        {"a line of 100 000 characters",
         "[Settings]\nNotes=" + LongLine + "\nType=93\n",
         {{"Settings", "Type", u"93"}, {"Settings", "Notes", std::u16string(2047, u'Q')}}},
    };
    for (const auto& row : rows) {
        WriteText(File(), row.before);
        IniFile ini(File());
        ini.WriteInteger("Settings", "Left", 7);
        EXPECT_FALSE(ini.Error().has_value()) << row.name;
        EXPECT_EQ(Read("Settings", "Left"), u"7") << row.name;
        for (const auto& key : row.readable)
            EXPECT_EQ(Read(key.section, key.key), key.value) << row.name << ": " << key.key;

        auto after = ReadText(File());
        const auto at = after.find(Added);
        ASSERT_NE(at, std::string::npos) << row.name;
        EXPECT_EQ(after.erase(at, Added.size()), row.before) << row.name;
    }
}

} // namespace
} // namespace zindra
