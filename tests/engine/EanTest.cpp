#include "engine/Ean.h"
#include "tests/engine/SymbolText.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::U;
using test::DescribeSymbol;

struct Row {
    const char* data;
    const char* expected;
};

TEST(Ean, Ean8) {
    const Row rows[] = {
        {"1234567", "[BCDE|5670]"},
        {"12345670", "[BCDE|5670]"},
        {"9638507", "[JGDI|5074]"},
        {"12345671", "error: The checksum you entered is not correct"},
        {"1234567X", "error: The checksum you entered is not correct"},      // 8th not a digit
        {"1234567\u0130", "error: The checksum you entered is not correct"}, // low byte is "0"
        {" 1234567", "error: EAN 8 must be all digits"},
        {"123A567", "error: EAN 8 must be all digits"},
        {"123456\u0137", "error: EAN 8 must be all digits"}, // low byte is "7"
        {"123456", "error: EAN 8 bar codes have 7 data digits plus a checksum"},
        {"123456789", "error: EAN 8 bar codes have 7 data digits plus a checksum"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(DescribeSymbol(EncodeEan8(U(row.data))), row.expected) << row.data;
}

TEST(Ean, Ean13) {
    const Row rows[] = {
        {"400638133393", "%AQGDYR|333931]"},
        {"4006381333931", "%AQGDYR|333931]"},
        {"012345678901", "!BCDEFG|789012]"}, // first digit 0: digits 2 to 7 all set A
        {"590123412345", "&JQRCDU|123457]"},
        // first digits 7 and 8: digits 3 to 7 in sets BABAB and BABBA
        {"712345678901", "(BSDUFW|789015]"},
        {"812345678901", ")BSDUVG|789014]"},
        {"4006381333932", "error: The checksum you entered is not correct"},
        {"400638133393X", "error: The checksum you entered is not correct"},
        {"40063813339X", "error: EAN 13 must be all digits"}, // 12th is still a data digit
        {"40063813339", "error: EAN 13 bar codes have 12 data digits plus a checksum"},
        {"40063813339310", "error: EAN 13 bar codes have 12 data digits plus a checksum"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(DescribeSymbol(EncodeEan13(U(row.data))), row.expected) << row.data;
}

} // namespace
} // namespace zindra
