#include "engine/Upc.h"
#include "tests/engine/SymbolText.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::U;
using test::DescribeSymbol;

struct Row {
    const char* data;
    int variant;
    const char* extra;
    const char* expected;
};

constexpr char Checksum[] = "error: The checksum you entered is not correct";

TEST(Upc, UpcA) {
    const Row rows[] = {
        {"03600029145", 1, "", " !DGAAA|29145S"},
        {"036000291452", 1, "", " !DGAAA|29145S"},
        {"01234567890", 1, "", " !BCDEF|67890V"},
        {"03600029145", 1, "zz", " !DGAAA|29145S"}, // no supplement: Extra unread
        {"03600029145", 2, "12", " !DGAAA|29145S /b.c"},
        {"03600029145", 3, "90000", " !DGAAA|29145S /j.q.a.q.a"},
        {"036000291453", 1, "", Checksum},
        {"03600029145X", 1, "", Checksum}, // 12th not a digit
        {"0360002914A", 1, "", "error: Error, you can only encode digits with a UPC-A bar code"},
        {"0360002914", 1, "", "error: Error, UPC-A must have 11 data digits"},
        {"0360002914", 2, "", "error: Error, UPC-A must have 11 data digits"}, // data first
        {"03600029145", 3, "1234", "error: This supplemental code must be 5 digits long"},
        {"03600029145", 3, " 1234", "error: Supplemental code must be all digits"},
        {"03600029145", 2, "", "error: This supplemental code must be 2 digits long"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(DescribeSymbol(EncodeUpcA(U(row.data), row.variant, U(row.extra))), row.expected)
            << row.data << " / " << row.variant << " / " << row.extra;
}

TEST(Upc, UpcEZeroSuppressionRules) {
    const Row rows[] = {
        {"01200000789", 1, "", " [RCXIZA]7"}, // A, n = 0
        {"01210000789", 1, "", " [RCHIZR]6"}, // A, n = 100, not B
        {"01220000345", 1, "", " [RSDEFS]3"}, // A, n = 200, the last A; check 3: EEOOOE
        {"01234500007", 1, "", " [RSDEVH]2"}, // D; check 2: EEOOEO
        {"01200000123", 1, "", " [RCBSDQ]9"}, // A with d11 below 5 is fine
        {"01230000045", 1, "", " [RSDUFD]1"}, // B, n = 300, not A
        {"01290000012", 1, "", " [RCZBSD]7"}, // B, n = 900
        {"01234500006", 1, "", " [RCDUVG]5"}, // D, d5 and d6 both set: D before C
        {"01230500007", 1, "", " [RCTQFH]4"}, // D with d5 = 0
        {"01234000003", 1, "", " [RCDUDU]9"}, // C
        {"012000007897", 1, "", " [RCXIZA]7"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(DescribeSymbol(EncodeUpcE(U(row.data), row.variant, U(row.extra))), row.expected)
            << row.data;
}

TEST(Upc, UpcEChecksInOrder) {
    const Row rows[] = {
        {"1", 1, "", "error: Error, UPC-E codes must start with a zero"},
        {"11234500006", 1, "", "error: Error, UPC-E codes must start with a zero"},
        {" 01234500006", 1, "", "error: Error, UPC-E codes must start with a zero"},
        {"11234500006", 3, "12", "error: Error, UPC-E codes must start with a zero"},
        {"0123450000", 1, "", "error: Error, UPC-E is based on 11 data digits"},
        {"0123450000A", 1, "", "error: Error, you can only encode digits with a UPC-E bar code"},
        {"012345000061", 1, "", Checksum},
        {"01234500006 ", 1, "", Checksum}, // 12th is a space
        {"01234500003", 1, "", "error: Error, product code must range from 5 though 9"},
        // Digits a rule leaves out must be zeros, or the symbol would carry another number.
        {"01234567895", 1, "",
         "error: Error, this UPC-A number cannot be zero-suppressed to UPC-E"},
        {"01200010789", 1, "",
         "error: Error, this UPC-A number cannot be zero-suppressed to UPC-E"}, // A, d7
        {"01230000145", 1, "",
         "error: Error, this UPC-A number cannot be zero-suppressed to UPC-E"}, // B, d9
        {"01234000013", 1, "",
         "error: Error, this UPC-A number cannot be zero-suppressed to UPC-E"}, // C, d10
    };
    for (const Row& row : rows)
        EXPECT_EQ(DescribeSymbol(EncodeUpcE(U(row.data), row.variant, U(row.extra))), row.expected)
            << row.data;
}

TEST(Upc, UpcESupplementReplacesTheCheckDigit) {
    const Row rows[] = {
        {"01234500006", 3, "51234", " [RCDUVG] /f.b.s.d.u"},
        {"01234500006", 3, "", "error: This supplemental code must be 5 digits long"},
        {"01234500006", 2, "1 ", "error: Supplemental code must be all digits"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(DescribeSymbol(EncodeUpcE(U(row.data), row.variant, U(row.extra))), row.expected)
            << row.data << " / " << row.variant << " / " << row.extra;
}

} // namespace
} // namespace zindra
