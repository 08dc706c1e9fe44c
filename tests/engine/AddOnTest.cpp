#include "engine/AddOn.h"
#include "tests/TestText.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::U;

std::string Describe(const AddOnOutcome& outcome) {
    if (const auto* error = std::get_if<EncodeError>(&outcome))
        return "error: " + test::Show(error->Message);
    return test::Show(std::get<std::u16string>(outcome));
}

// The callers' messages, so each row shows whose wording reaches the user.
constexpr DigitMessages PriceMessages{u"The price field must be 5 digits long",
                                      u"Price must be all digits"};
constexpr DigitMessages UpcMessages{u"This supplemental code must be 2 digits long",
                                    u"Supplemental code must be all digits"};

struct Row {
    const char* text;
    const char* expected;
};

TEST(AddOn, FiveDigits) {
    const Row rows[] = {
        {"90000", " /j.q.a.q.a"}, // check value 7; its complement 3 would give BAAAB
        {"51234", " /f.b.s.d.u"}, // check value 9
        {"52495", " /v.c.u.j.f"}, // check value 1
        {"00000", " /q.q.a.a.a"},
        {"12a45", "error: Price must be all digits"},
        {"1234x", "error: Price must be all digits"}, // the last digit is tested too
        {" 1234", "error: Price must be all digits"},
        {"1234", "error: The price field must be 5 digits long"}, // before reading a fifth digit
        {"123456", "error: The price field must be 5 digits long"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Describe(EncodeAddOn5(U(row.text), PriceMessages)), row.expected) << row.text;
}

TEST(AddOn, TwoDigits) {
    const Row rows[] = {
        {"12", " /b.c"}, // 12 mod 4 = 0
        {"53", " /f.t"}, // 1
        {"10", " /r.a"}, // 2: the whole value counts, not the last digit
        {"99", " /z.z"}, // 3
        {"00", " /a.a"},
        {"1 ", "error: Supplemental code must be all digits"},
        {"a1", "error: Supplemental code must be all digits"},
        {"", "error: This supplemental code must be 2 digits long"},
        {" 12", "error: This supplemental code must be 2 digits long"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Describe(EncodeAddOn2(U(row.text), UpcMessages)), row.expected) << row.text;
}

} // namespace
} // namespace zindra
