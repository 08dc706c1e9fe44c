#include "engine/Functions.h"
#include "tests/TestText.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::U;

TEST(Functions, KeepDigitsDropsEverythingElse) {
    EXPECT_EQ(KeepDigits(u"12-34"), u"1234");
    EXPECT_EQ(KeepDigits(u"ab"), u"");
    EXPECT_EQ(KeepDigits(U("\u0661 9\uFF10")), u"9"); // other scripts' digits are not digits
}

TEST(Functions, ModTenComplement) {
    const std::pair<int, int> rows[] = {{0, 0}, {60, 0}, {110, 0}, {1, 9}, {59, 1}, {15, 5}};
    for (auto [sum, check] : rows)
        EXPECT_EQ(ModTenComplement(sum), check) << sum;
}

TEST(Functions, CharacterAtKeepsSurrogatePairsWhole) {
    const std::u16string text = u"a\U0001F600b\xD800";
    EXPECT_EQ(CharacterAt(text, 0), u"a");
    EXPECT_EQ(CharacterAt(text, 1), u"\U0001F600");
    EXPECT_EQ(CharacterAt(text, 4), std::u16string(1, 0xD800)); // lone half at the end
}

TEST(Functions, FormatFieldsFillsInOrder) {
    EXPECT_EQ(FormatFields(u"   Sum: %d  Checksum: %d  ASCII: %d %s", {u"310", u"1", u"33", u"!"}),
              u"   Sum: 310  Checksum: 1  ASCII: 33 !");
    EXPECT_EQ(FormatCharMessage(u"Error: input character \"%c\" not legal", u"a"),
              u"Error: input character \"a\" not legal");
}

} // namespace
} // namespace zindra
