#include "engine/Bookland.h"
#include "tests/engine/SymbolText.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::DescribeSymbol;
using test::U;

struct Row {
    std::u16string isbn;
    const char* price;
    const char* cleaned;
    const char* expected;
};

constexpr char Isbn0306[] = "*HYQDQG|406157] /j.q.a.q.a";
constexpr char IsbnLength[] = "error: The ISBN number must be 9, 10, or 13 digits long";
constexpr char IsbnCheck[] = "error: The ISBN check digit is not correct";
constexpr char IsbnLetter[] = "error: The ISBN number may hold no letter but a final X";

TEST(Bookland, CleansThenEncodesOrFails) {
    const Row rows[] = {
        {u"0-306-40615-2", "90000", "0306406152", Isbn0306},
        {u"030640615", "90000", "030640615", Isbn0306},
        {u"978-0-306-40615-7", "90000", "9780306406157", Isbn0306},
        {u"ISBN 978-0-306-40615-7", "90000", "9780306406157", Isbn0306}, // as printed on books
        {u"isbn 0-306-40615-2", "90000", "0306406152", Isbn0306},
        {u"0-8044-2957-X", "90000", "080442957", "*HYQIQE|429573] /j.q.a.q.a"},
        {u"0-8044-2957-x ", "90000", "080442957", "*HYQIQE|429573] /j.q.a.q.a"},
        // A typed check digit must be the ISBN's own: ISBN-10 weights 10..2 mod 11,
        // ISBN-13 the EAN-13 weights 1,3.
        {u"978-0-306-40615-0", "90000", "9780306406150", IsbnCheck},
        {u"979-1-234-56789-5", "90000", "9791234567895", IsbnCheck},
        {u"0-306-40615-3", "90000", "0306406153", IsbnCheck},
        {u"0-306-40615-X", "90000", "030640615", IsbnCheck},
        {u"0-8044-2957-0", "90000", "0804429570", IsbnCheck},
        {u"0-306-40615-3", "9000", "0306406153", IsbnCheck}, // before the price
        // Letters are typing errors, save the ISBN-10 check "X" at the end.
        {u"0-306-4061X-2", "90000", "030640612", IsbnLetter},
        {u"O-306-40615-2", "90000", "306406152", IsbnLetter}, // a letter O for a zero
        {u"0-306-40615-2A", "90000", "0306406152", IsbnLetter},
        {u"0306406152X", "90000", "0306406152", IsbnLetter},       // X only after nine digits
        {u"978030640615X7", "90000", "9780306406157", IsbnLetter}, // nor inside an ISBN-13
        {u"979-1-234-56789-6", "51234", "9791234567896", "*HZRCTE|567896] /f.b.s.d.u"},
        {U("0\u0660306 40615 2"), "90000", "0306406152", Isbn0306}, // other scripts' digits go
        {u"977-1-234-56789-7", "90000", "9771234567897",
         "error: 13 digit ISBN numbers must start with 978 or 979"},
        {u"12345678", "90000", "12345678", IsbnLength},
        {u"12345678901", "90000", "12345678901", IsbnLength},
        {u"ISBN", "90000", "", IsbnLength},
        {u"12345678", "9000", "12345678", IsbnLength}, // the ISBN error wins over the price
        {u"030640615", "9000", "030640615", "error: The price field must be 5 digits long"},
        {u"030640615", "9000a", "030640615", "error: Price must be all digits"},
        {u"030640615", "9000 ", "030640615", "error: Price must be all digits"},
    };
    for (const Row& row : rows) {
        const BooklandOutcome out = EncodeBookland(row.isbn, U(row.price));
        EXPECT_EQ(test::Show(out.CleanedData), row.cleaned) << test::Show(row.isbn);
        EXPECT_EQ(DescribeSymbol(out.Outcome), row.expected) << test::Show(row.isbn);
    }
}

TEST(Bookland, LongTextsAreCleanedWhole) {
    // Far past the 99 characters the cleaning was once laid out for.
    const std::u16string padded =
        std::u16string(300, u'-') + u"0306406152" + std::u16string(300, u' ');
    const BooklandOutcome good = EncodeBookland(padded, u"90000");
    EXPECT_EQ(test::Show(good.CleanedData), "0306406152");
    EXPECT_EQ(DescribeSymbol(good.Outcome), Isbn0306);

    const std::u16string digits(500, u'7');
    const BooklandOutcome bad = EncodeBookland(digits + u"x", u"90000");
    EXPECT_EQ(bad.CleanedData, digits);
    EXPECT_EQ(DescribeSymbol(bad.Outcome), IsbnLength);
}

} // namespace
} // namespace zindra
