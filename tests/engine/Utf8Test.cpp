#include "engine/Utf8.h"

#include "tests/TestText.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

using test::Show;

constexpr char16_t R = 0xFFFD;

struct DecodeRow {
    std::string_view in;
    std::u16string out;
    bool valid;
};

TEST(Utf8, Decode) {
    const DecodeRow rows[] = {
        {"", u"", true},
        {"A b", u"A b", true},
        {std::string_view("a\0b", 3), std::u16string(u"a\0b", 3), true}, // NUL is a character
        {"\xC3\xA4", u"\u00E4", true},
        {"\xDF\xBF", u"\u07FF", true},     // last two-byte code point
        {"\xE0\xA0\x80", u"\u0800", true}, // first three-byte code point
        {"\xE2\x82\xAC", u"\u20AC", true},
        {"\xED\x9F\xBF", u"\uD7FF", true}, // just below the surrogates
        {"\xEF\xBF\xBF", u"\uFFFF", true},
        {"\xF0\x9F\x98\x80", u"\U0001F600", true}, // four bytes: one character, two units
        {"\xF4\x8F\xBF\xBF", u"\U0010FFFF", true},
        // ASCII is taken eight bytes at a time: a sequence after a whole word and inside one
        {"ABCDEFGH\xC3\xA4", u"ABCDEFGH\u00E4", true},
        {"ABCDEFG\xC3\xA4HIJKLMNOP", u"ABCDEFG\u00E4HIJKLMNOP", true},
        // Ill-formed: one U+FFFD per maximal ill-formed part, the rest kept.
        {"\xC0\xAF", {R, R}, false},               // overlong "/"; C0 never starts a sequence
        {"\xC1\xBF", {R, R}, false},               // overlong
        {"\xE0\x80\xAF", {R, R, R}, false},        // overlong three-byte "/"
        {"\xF0\x8F\xBF\xBF", {R, R, R, R}, false}, // overlong four-byte U+FFFF
        {"\xED\xA0\x80", {R, R, R}, false},        // the surrogate D800 encoded
        {"\xED\xBF\xBF", {R, R, R}, false},        // the surrogate DFFF encoded
        {"\xF4\x90\x80\x80", {R, R, R, R}, false}, // U+110000, past the last code point
        {"\xF5\x80\x80\x80", {R, R, R, R}, false},
        {"\x80", {R}, false}, // continuation without a lead
        {"a\xBF"
         "b",
         {u'a', R, u'b'},
         false},
        {"\xFE\xFF", {R, R}, false},
        {"\xE2\x82", {R}, false}, // cut off at the end: one replacement
        {"\xE2\x82"
         "A",
         {R, u'A'},
         false}, // cut off before an ASCII character, which survives
        {"\xF0\x9F\x98", {R}, false},
        {"\xC3"
         "\xC3\xA4",
         {R, u'\u00E4'},
         false}, // a lead interrupted by another lead
    };
    for (const auto& row : rows) {
        std::u16string out = u"stale";
        EXPECT_EQ(DecodeUtf8(row.in, out), row.valid) << Show(row.out);
        EXPECT_EQ(out, row.out) << Show(out);
    }
}

struct EncodeRow {
    std::u16string in;
    std::string out;
};

TEST(Utf8, Encode) {
    const std::string replacement = "\xEF\xBF\xBD";
    const EncodeRow rows[] = {
        {u"", ""},
        {u"*CODE39W*", "*CODE39W*"},
        {u"\u00CE\u00E2", "\xC3\x8E\xC3\xA2"}, // font codes 160..255 as two bytes
        {u"\u07FF\u0800", "\xDF\xBF\xE0\xA0\x80"},
        {u"\uFFFF", "\xEF\xBF\xBF"},
        {u"\U0001F600", "\xF0\x9F\x98\x80"}, // a pair is written as its one code point
        {u"\U0010FFFF", "\xF4\x8F\xBF\xBF"},
        // ASCII is written four units at a time; U+0141's low byte is ASCII "A"
        {u"ABC\u0141DEFGH", std::string("ABC\xC5\x81") + "DEFGH"},
        {u"ABCDEFGH\u00E9", "ABCDEFGH\xC3\xA9"},
        {std::u16string{0xD800}, replacement}, // lone high half at the end
        {std::u16string{0xD800, u'A'}, replacement + "A"},
        {std::u16string{0xDC00, 0xD800}, replacement + replacement}, // halves in the wrong order
        {std::u16string{u'a', 0xDFFF, u'b'}, "a" + replacement + "b"},
    };
    for (const auto& row : rows) {
        std::string out = "kept:";
        AppendUtf8(row.in, out);
        EXPECT_EQ(out, "kept:" + row.out) << Show(row.in);
    }
}

} // namespace
} // namespace zindra
