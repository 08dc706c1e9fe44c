#include "settings/TipOfTheDay.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

const std::filesystem::path Product = ZINDRA_PRODUCT_BUILD_DIR;

TEST(ProductFilesTest, TheShippedSettingsFileHoldsEveryTipUpToMaximum) {
    const IniFile seed(Product / "zindratips.ini");
    ASSERT_TRUE(seed.SectionExists("TipoftheDay"));
    EXPECT_TRUE(seed.ReadBool("TipoftheDay", "Enabled", false));
    EXPECT_EQ(seed.ReadInteger("TipoftheDay", "Position", -1), 0);
    EXPECT_FALSE(seed.SectionExists("Settings")); // the first run seeds it

    const int maximum = seed.ReadInteger("TipoftheDay", "Maximum", -1);
    EXPECT_GE(maximum, 24);
    for (int tip = 0; tip <= maximum; ++tip) {
        const auto text = seed.ReadString("Tips", std::to_string(tip), u"XXXX");
        EXPECT_NE(text, u"XXXX") << tip;
        EXPECT_LT(text.size(), 2047u) << tip; // read whole, not cut
    }
    // One past Maximum is missing, so the circle closes after the last tip.
    EXPECT_EQ(seed.ReadString("Tips", std::to_string(maximum + 1), u"XXXX"), u"XXXX");
}

TEST(ProductFilesTest, TheManualIsOneBalancedRtfGroup) {
    const auto rtf = test::ReadText(Product / "Zindras.rtf");
    ASSERT_TRUE(rtf.starts_with("{\\rtf1"));
    int depth = 0;
    std::size_t end = 0; // where the outermost group closes
    for (std::size_t i = 0; i < rtf.size() && !end; ++i) {
        if (rtf[i] == '\\') {
            ++i; // an escaped brace or backslash
        } else if (rtf[i] == '{') {
            ++depth;
        } else if (rtf[i] == '}' && --depth == 0) {
            end = i;
        }
    }
    EXPECT_EQ(rtf.find_first_not_of("\r\n", end + 1), std::string::npos);
    EXPECT_EQ(depth, 0);
    EXPECT_NE(rtf.find("Zindra 7.0 User Manual"), std::string::npos);
}

} // namespace
} // namespace zindra
