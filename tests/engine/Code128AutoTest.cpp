#include "engine/Code128Auto.h"
#include "tests/TestText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zindra {
namespace {

using test::Show;

// Items as the tests write them: a character each, with "\xF1" for FNC1.
std::vector<int> Items(std::u16string_view text) {
    std::vector<int> items;
    for (char16_t c : text)
        items.push_back(c == 0xF1 ? ItemFnc1 : c);
    return items;
}

struct ValuesRow {
    std::u16string data;
    std::vector<int> values; // start first; ISO/IEC 15417 Table 1 values, worked by hand
};

TEST(Code128Auto, FewestSymbolValues) {
    const ValuesRow rows[] = {
        {u"AB", {104, 33, 34}},                                       // equal starts: B
        {u"1234", {105, 12, 34}},                                     // all pairs: C
        {u"AB1234CD", {104, 33, 34, 17, 18, 19, 20, 35, 36}},         // a switch would tie: none
        {u"AB123456CD", {104, 33, 34, 99, 12, 34, 56, 100, 35, 36}},  // six digits pay
        {u"a\u0001a", {104, 65, 98, 65, 65}},                         // one control in B: Shift
        {u"\u0001\u0002ab", {103, 65, 66, 100, 65, 66}},              // two of each: one switch
        {u"\u0001a\u0001a\u0001", {103, 65, 98, 65, 65, 98, 65, 65}}, // A with shifts
        {u"\u00F101234567", {105, 102, 1, 23, 45, 67}},               // FNC1 in subset C
        {u"\u00E9", {104, 100, 73}},                                  // 233: FNC4 + "i", only in B
        {u"\u00C1\u0081", {103, 101, 33, 101, 65}},                   // FNC4 + "A", FNC4 + SOH: A
        {u"12345", {104, 17, 99, 23, 45}}, // odd digits: the lone one first
    };
    for (const ValuesRow& row : rows)
        EXPECT_EQ(MinimalCode128(Items(row.data)), row.values) << Show(row.data);
}

struct Row {
    std::u16string data;
    bool fnc1;
    bool noQuotes;
    std::u16string expected; // font string in the Code 128ABC faces, or the message
};

TEST(Code128Auto, FontString) {
    const Row rows[] = {
        // Start B (202), "A" value 33 at "B", check 102 at 200, stop at 204
        {u"AB", false, false, u"\u00CABC\u00C8\u00CC"},
        // value 1 is drawn by the quote, or by 205 without quotes; check value 2
        {u"!", false, false, u"\u00CA\"#\u00CC"},
        {u"!", false, true, u"\u00CA\u00CD#\u00CC"},
        // the typed function characters: FNC2 (200) = 97, FNC3 (199) = 96, FNC4 in B (203);
        // check 75 (104 + 97 + 192 + 300) at "l"
        {u"\u00C8\u00C7\u00CB", false, false, u"\u00CA\u00C3\u00C2\u00C6l\u00CC"},
        // UCC/EAN ticked: FNC1 (102) after the start; "1" value 17, check 34 (104+204+34)
        {u"1", true, false, u"\u00CA\u00C82C\u00CC"},
    };
    for (const Row& row : rows) {
        const EncodeOutcome outcome = EncodeCode128Auto(row.data, row.fnc1, row.noQuotes, false);
        ASSERT_FALSE(IsError(outcome)) << Show(row.data);
        EXPECT_EQ(Show(std::get<BarResult>(outcome).FontString), Show(row.expected))
            << Show(row.data);
    }
}

TEST(Code128Auto, IllegalCharacter) {
    const Row rows[] = {
        {u"A\u0100", false, false, u"Error: input character \"\u0100\" not legal in bar code 128"},
        {u"\u20AC", false, false, u"Error: input character \"\u20AC\" not legal in bar code 128"},
    };
    for (const Row& row : rows) {
        const EncodeOutcome outcome = EncodeCode128Auto(row.data, row.fnc1, row.noQuotes, false);
        ASSERT_TRUE(IsError(outcome)) << Show(row.data);
        EXPECT_EQ(Show(std::get<EncodeError>(outcome).Message), Show(row.expected));
    }
}

} // namespace
} // namespace zindra
