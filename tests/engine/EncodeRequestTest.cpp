#include "engine/EncodeRequest.h"
#include "tests/TestText.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::U;

BarOptions Request(Symbology symbology, std::u16string data, int variant = 1) {
    BarOptions o;
    o.symbology = symbology;
    o.DataText = std::move(data);
    o.VariantChoice = variant;
    return o;
}

// Which operation the dispatch picks, told apart by a font string each one
// alone produces.
TEST(EncodeRequest, DispatchesToTheSymbologyOperation) {
    struct Row {
        Symbology symbology;
        int variant;
        FontType fontType;
        bool checksum; // OptionalChecksum, which each operation takes in its own place
        const char* data;
        const char* fontString;
    };
    const Row rows[] = {
        {Symbology::Interleaved25, 1, FontType::Standard, false, "1234", "{-C}"},
        {Symbology::Code39, 1, FontType::Standard, false, "A B", "*A~B*"},
        {Symbology::Code39, 1, FontType::Standard, true, "A B", "*A~BG*"}, // not full ASCII
        {Symbology::Code39, 1, FontType::Standard, false, "  ", "*~~*"},   // spaces are data
        {Symbology::Code93, 1, FontType::Standard, false, "CODE 93", "(CODE~93E0)"},
        {Symbology::Code128, 2, FontType::Standard, false, "ABC", "|ABC!~"},
        {Symbology::Code128, 3, FontType::Standard, false, "123456", "}-CYM~"},
        {Symbology::Codabar, 1, FontType::Standard, false, "A12345B", "A12345B"},
        {Symbology::Ean, 1, FontType::Standard, false, "1234567", "[BCDE|5670]"},
        {Symbology::Ean, 2, FontType::Standard, false, "400638133393", "%AQGDYR|333931]"},
        {Symbology::PostNet, 1, FontType::Standard, false, "12345", "(123455)"},
        {Symbology::Upc, 1, FontType::Standard, false, "01234567890", " !BCDEF|67890V"},
        // Under UPC any font type but Standard is UPC-E.
        {Symbology::Upc, 1, FontType::HumanReadable, false, "01200000789", " [RCXIZA]7"},
        {Symbology::Upc, 1, FontType::Itf14, false, "01200000789", " [RCXIZA]7"},
    };
    for (const Row& row : rows) {
        BarOptions o = Request(row.symbology, U(row.data), row.variant);
        o.fontType = row.fontType;
        o.OptionalChecksum = row.checksum;
        const RequestOutcome out = EncodeRequest(o);
        ASSERT_FALSE(IsError(out.Outcome)) << row.data;
        EXPECT_EQ(std::get<BarResult>(out.Outcome).FontString, U(row.fontString)) << row.data;
        EXPECT_EQ(out.DataText, U(row.data));
    }
}

TEST(EncodeRequest, SccVariantsGoToTheShippingContainerEncoding) {
    BarOptions o = Request(Symbology::Code128, u"00614141123456789", 5);
    o.Option2 = true;
    const auto result = std::get<BarResult>(EncodeRequest(o).Outcome);
    EXPECT_EQ(result.HumanText, u" (00) 00614141123456789 0");
}

// The refusal, and the data the window is given back: Bookland writes back its
// cleaned digits even on an error.
TEST(EncodeRequest, Refuses) {
    struct Row {
        Symbology symbology;
        int variant;
        const char* data;
        const char* extra;
        const char* pointSize;
        const char16_t* message;
        const char* dataText;
    };
    constexpr char16_t NoData[] = u"Error, no data to bar code";
    const Row rows[] = {
        {Symbology::Interleaved25, 1, "", "", "24", NoData, ""},
        {Symbology::Code39, 1, "", "", "24", NoData, ""},
        {Symbology::Ean, 1, "", "", "24", NoData, ""},
        {Symbology::PostNet, 1, "", "", "24", NoData, ""},
        {Symbology::Upc, 1, "", "", "24", NoData, ""},
        {Symbology::Ean, 3, "0-306-40615-2", "9000", "24", u"The price field must be 5 digits long",
         "0306406152"},
        // A data error comes before the point size.
        {Symbology::Code39, 1, "abc", "", "x",
         u"Error: input character \"a\" not legal in bar code 3 of 9", "abc"},
    };
    for (const Row& row : rows) {
        BarOptions o = Request(row.symbology, U(row.data), row.variant);
        o.Extra = U(row.extra);
        o.PointSize = U(row.pointSize);
        const RequestOutcome out = EncodeRequest(o);
        ASSERT_TRUE(IsError(out.Outcome)) << row.data;
        EXPECT_EQ(std::get<EncodeError>(out.Outcome).Message, row.message) << row.data;
        EXPECT_EQ(out.DataText, U(row.dataText)) << row.data;
    }
}

TEST(EncodeRequest, SampleSizeIsThePointSizeExceptForPostNet) {
    struct Row {
        Symbology symbology;
        const char* data;
        const char* pointSize;
        int sampleSize; // 0: the point-size message
    };
    const Row rows[] = {
        {Symbology::Code39, "A", "24", 24},
        {Symbology::Code39, "A", "018", 18},
        {Symbology::Code39, "A", "1", 1},
        {Symbology::Code39, "A", "1638", 1638},
        {Symbology::Code39, "A", "1639", 0},
        {Symbology::Code39, "A", "0", 0},
        {Symbology::Code39, "A", "", 0},
        {Symbology::Code39, "A", " 24", 0},
        {Symbology::Code39, "A", "-5", 0},
        {Symbology::Code39, "A", "12.5", 0},
        {Symbology::Code39, "A", "99999999999999999999", 0}, // no overflow to a small size
        {Symbology::PostNet, "12345", "abc", 18},            // PostNet never reads it
        {Symbology::PostNet, "12345", "72", 18},
    };
    for (const Row& row : rows) {
        BarOptions o = Request(row.symbology, U(row.data));
        o.PointSize = U(row.pointSize);
        const RequestOutcome out = EncodeRequest(o);
        if (row.sampleSize == 0) {
            EXPECT_EQ(std::get<EncodeError>(out.Outcome).Message,
                      u"Error, the point size must be a whole number from 1 to 1638")
                << row.pointSize;
        } else {
            ASSERT_FALSE(IsError(out.Outcome)) << row.pointSize;
            EXPECT_EQ(std::get<BarResult>(out.Outcome).SampleSize, row.sampleSize) << row.pointSize;
        }
    }
}

} // namespace
} // namespace zindra
