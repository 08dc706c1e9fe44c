#include "engine/Scc.h"
#include "tests/TestText.h"

#include <gtest/gtest.h>

#include <string>

namespace zindra {
namespace {

using test::Show;

constexpr int Scc14 = 4;
constexpr int Sscc18 = 5;

BarResult Encoded(std::u16string_view data, int variant, bool fnc1, bool noQuotes,
                  FontType fontType = FontType::Standard) {
    const EncodeOutcome outcome = EncodeScc(data, variant, fnc1, noQuotes, fontType, true);
    if (const auto* error = std::get_if<EncodeError>(&outcome))
        ADD_FAILURE() << Show(data) << " failed: " << Show(error->Message);
    return std::get_if<BarResult>(&outcome) ? std::get<BarResult>(outcome) : BarResult{};
}

struct Row {
    std::u16string data;
    int variant;
    bool fnc1;
    bool noQuotes;
    std::u16string fontString;
    std::u16string sums;
    std::u16string human;
};

TEST(Scc, Encodes) {
    const Row rows[] = {
        {u"00614141123456789", Sscc18, true, false, u"}\u00CE!!^JJ-CYo\u00C2?~",
         u"   Mod10: 0  Sum: 3532  Checksum: 30  ASCII: 63", u" (00) 00614141123456789 0"},
        {u"1061414100001", Scc14, true, false, u"}\u00CE\"+^JJ!!4l~",
         u"   Mod10: 9  Sum: 1105  Checksum: 75  ASCII: 108", u" (01) 1 06 14141 00001 9"},
        // the identifier pair "01" as 226; the sums do not change
        {u"1061414100001", Scc14, true, true, u"}\u00CE\u00E2+^JJ!!4l~",
         u"   Mod10: 9  Sum: 1105  Checksum: 75  ASCII: 108", u" (01) 1 06 14141 00001 9"},
        // without FNC1 the sum starts at 105 with weight 1
        {u"1061414100001", Scc14, false, false, u"}\"+^JJ!!4'~",
         u"   Mod10: 9  Sum: 830  Checksum: 6  ASCII: 39", u" (01) 1 06 14141 00001 9"},
    };
    for (const Row& row : rows) {
        const BarResult result = Encoded(row.data, row.variant, row.fnc1, row.noQuotes);
        EXPECT_EQ(Show(result.FontString), Show(row.fontString)) << Show(row.data);
        EXPECT_EQ(Show(result.SumsText), Show(row.sums)) << Show(row.data);
        EXPECT_EQ(Show(result.HumanText), Show(row.human)) << Show(row.data);
        EXPECT_FALSE(result.OutputTextSize.has_value());
    }
}

TEST(Scc, HumanReadableLineOnlyInHumanReadableSample) {
    const std::pair<FontType, std::u16string> rows[] = {
        {FontType::Standard, u"}\u00CE\"+^JJ!!4l~  "},
        {FontType::HumanReadable, u"}\u00CE\"+^JJ!!4l~  \n (01) 1 06 14141 00001 9"},
        {FontType::Itf14, u"}\u00CE\"+^JJ!!4l~  "},
    };
    for (const auto& [fontType, sample] : rows) {
        const BarResult result = Encoded(u"1061414100001", Scc14, true, false, fontType);
        EXPECT_EQ(Show(result.SampleText), Show(sample));
        EXPECT_EQ(Show(result.HumanText), " (01) 1 06 14141 00001 9");
    }
}

TEST(Scc, SumsLineOnlyWhenAsked) {
    const EncodeOutcome outcome =
        EncodeScc(u"1061414100001", Scc14, true, false, FontType::Standard, false);
    ASSERT_FALSE(IsError(outcome));
    EXPECT_TRUE(std::get<BarResult>(outcome).SumsText.empty());
}

TEST(Scc, Errors) {
    constexpr char16_t digitsOnly[] =
        u"Error, you can only encode digits with bar code 128 Subset C";
    constexpr char16_t scc14Length[] =
        u"Error, SCC-14 data is 13 digits long plus a checksum that we calculate";
    constexpr char16_t sscc18Length[] =
        u"Error, SSCC-18 data is 17 digits long plus a checksum that we calculate";
    const std::tuple<std::u16string, int, std::u16string> rows[] = {
        {u"106141410000", Scc14, scc14Length},
        {u"10614141000019", Scc14, scc14Length},    // the user's own check digit
        {u"00614141123456789", Scc14, scc14Length}, // SSCC-18 data under SCC-14
        {u"0061414112345678", Sscc18, sscc18Length},
        {u"006141411234567890", Sscc18, sscc18Length},
        {u"1061414 00001", Scc14, digitsOnly},
        {u"1061414-00001", Scc14, digitsOnly},
        {u"12-3", Sscc18, digitsOnly},              // digits examined before the length
        {u"106141410000\uFF11", Scc14, digitsOnly}, // full-width digit
    };
    for (const auto& [data, variant, message] : rows) {
        const EncodeOutcome outcome =
            EncodeScc(data, variant, true, false, FontType::Standard, true);
        ASSERT_TRUE(IsError(outcome)) << Show(data);
        EXPECT_EQ(Show(std::get<EncodeError>(outcome).Message), Show(message));
    }
}

} // namespace
} // namespace zindra
