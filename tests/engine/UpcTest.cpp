#include "engine/Upc.h"
#include "tests/engine/SymbolText.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::DescribeSymbol;
using test::U;

enum class Form { A, E }; // UPC-A, or UPC-E zero-suppressed from the same 11 digits
using enum Form;

struct Row {
    Form form;
    const char* data;
    int variant; // 1 none, 2 two-digit supplement, 3 five-digit supplement
    const char* extra;
    const char* expected; // font string, or "error: " and the message
};

constexpr char Checksum[] = "error: The checksum you entered is not correct";

const Row Rows[] = {
    // UPC-A
    {A, "03600029145", 1, "", " !DGAAA|29145S"},
    {A, "036000291452", 1, "", " !DGAAA|29145S"},
    {A, "01234567890", 1, "", " !BCDEF|67890V"},
    {A, "03600029145", 1, "zz", " !DGAAA|29145S"}, // no supplement: Extra unread
    {A, "03600029145", 2, "12", " !DGAAA|29145S /b.c"},
    {A, "03600029145", 3, "90000", " !DGAAA|29145S /j.q.a.q.a"},
    {A, "036000291453", 1, "", Checksum},
    {A, "03600029145X", 1, "", Checksum}, // 12th not a digit
    {A, "0360002914A", 1, "", "error: Error, you can only encode digits with a UPC-A bar code"},
    {A, "0360002914", 1, "", "error: Error, UPC-A must have 11 data digits"},
    {A, "0360002914", 2, "", "error: Error, UPC-A must have 11 data digits"}, // data first
    {A, "03600029145", 3, "1234", "error: This supplemental code must be 5 digits long"},
    {A, "03600029145", 3, " 1234", "error: Supplemental code must be all digits"},
    {A, "03600029145", 2, "", "error: This supplemental code must be 2 digits long"},
    // UPC-E zero suppression, rules tried in the order A, B, D, C
    {E, "01200000789", 1, "", " [RCXIZA]7"}, // A, n = 0
    {E, "01210000789", 1, "", " [RCHIZR]6"}, // A, n = 100, not B
    {E, "01220000345", 1, "", " [RSDEFS]3"}, // A, n = 200, the last A; check 3: EEOOOE
    {E, "01234500007", 1, "", " [RSDEVH]2"}, // D; check 2: EEOOEO
    {E, "01200000123", 1, "", " [RCBSDQ]9"}, // A with d11 below 5 is fine
    {E, "01230000045", 1, "", " [RSDUFD]1"}, // B, n = 300, not A
    {E, "01290000012", 1, "", " [RCZBSD]7"}, // B, n = 900
    {E, "01234500006", 1, "", " [RCDUVG]5"}, // D, d5 and d6 both set: D before C
    {E, "01230500007", 1, "", " [RCTQFH]4"}, // D with d5 = 0
    {E, "01234000003", 1, "", " [RCDUDU]9"}, // C
    {E, "012000007897", 1, "", " [RCXIZA]7"},
    // UPC-E checks, in the order they run
    {E, "1", 1, "", "error: Error, UPC-E codes must start with a zero"},
    {E, "11234500006", 1, "", "error: Error, UPC-E codes must start with a zero"},
    {E, " 01234500006", 1, "", "error: Error, UPC-E codes must start with a zero"},
    {E, "11234500006", 3, "12", "error: Error, UPC-E codes must start with a zero"},
    {E, "0123450000", 1, "", "error: Error, UPC-E is based on 11 data digits"},
    {E, "0123450000A", 1, "", "error: Error, you can only encode digits with a UPC-E bar code"},
    {E, "012345000061", 1, "", Checksum},
    {E, "01234500006 ", 1, "", Checksum}, // 12th is a space
    {E, "01234500003", 1, "", "error: Error, product code must range from 5 though 9"},
    {E, "01234500004", 1, "", "error: Error, product code must range from 5 though 9"}, // d11 = 4
    // Digits a rule leaves out must be zeros, or the symbol would carry another number.
    {E, "01234567895", 1, "", "error: Error, this UPC-A number cannot be zero-suppressed to UPC-E"},
    {E, "01200010789", 1, "",
     "error: Error, this UPC-A number cannot be zero-suppressed to UPC-E"}, // A, d7
    {E, "01230000145", 1, "",
     "error: Error, this UPC-A number cannot be zero-suppressed to UPC-E"}, // B, d9
    {E, "01234000013", 1, "",
     "error: Error, this UPC-A number cannot be zero-suppressed to UPC-E"}, // C, d10
    // UPC-E with a supplement: it takes the check digit's place
    {E, "01234500006", 3, "51234", " [RCDUVG] /f.b.s.d.u"},
    {E, "01234500006", 3, "", "error: This supplemental code must be 5 digits long"},
    {E, "01234500006", 2, "1 ", "error: Supplemental code must be all digits"},
};

TEST(Upc, EncodesOrRefuses) {
    for (const Row& row : Rows) {
        const auto encode = row.form == A ? EncodeUpcA : EncodeUpcE;
        EXPECT_EQ(DescribeSymbol(encode(U(row.data), row.variant, U(row.extra))), row.expected)
            << (row.form == A ? "UPC-A " : "UPC-E ") << row.data << " / " << row.variant << " / "
            << row.extra;
    }
}

} // namespace
} // namespace zindra
