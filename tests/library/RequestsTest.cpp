#include "library/Request.h"

#include "library/Answer.h"

#include "tests/TestText.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>

namespace zindra {
namespace {

using test::Show;
using Json = nlohmann::json;

// Command-line choices away from every default, so a key that is absent
// visibly keeps them and a key that is present visibly replaces them.
BarOptions CommandLineChoices() {
    BarOptions o;
    o.symbology = Symbology::Ean;
    o.VariantChoice = 3;
    o.fontType = FontType::HumanReadable;
    o.FontSize = 'B';
    o.OptionalChecksum = true;
    o.Option2 = true;
    o.DispSums = true;
    o.PointSize = u"36";
    o.Extra = u"90000";
    return o;
}

std::string Describe(const BarOptions& o) {
    return Show(o.DataText) + " s" + std::to_string(static_cast<int>(o.symbology)) + " v" +
           std::to_string(o.VariantChoice) + " t" + std::to_string(static_cast<int>(o.fontType)) +
           " z" + o.FontSize + " c" + std::to_string(o.OptionalChecksum) + " o" +
           std::to_string(o.Option2) + " S" + std::to_string(o.DispSums) + " p" +
           Show(o.PointSize) + " e" + Show(o.Extra);
}

struct AcceptedRow {
    std::string_view line;
    std::function<void(BarOptions&)> change; // from CommandLineChoices() with data "X"
};

TEST(Requests, ParseAccepted) {
    const AcceptedRow rows[] = {
        {R"({"data":"X"})", [](BarOptions&) {}},
        {R"({"data":"X","symbology":"code93"})",
         [](BarOptions& o) { o.symbology = Symbology::Code93; }},
        {R"({"data":"X","variant":1})", [](BarOptions& o) { o.VariantChoice = 1; }},
        {R"({"data":"X","font_type":"standard"})",
         [](BarOptions& o) { o.fontType = FontType::Standard; }},
        {R"({"data":"X","size":"F"})", [](BarOptions& o) { o.FontSize = 'F'; }},
        // false replaces a flag the command line set
        {R"({"data":"X","checksum":false})", [](BarOptions& o) { o.OptionalChecksum = false; }},
        {R"({"data":"X","option2":false,"sums":false})",
         [](BarOptions& o) { o.Option2 = o.DispSums = false; }},
        {R"({"data":"X","point_size":"12"})", [](BarOptions& o) { o.PointSize = u"12"; }},
        // an empty extra replaces the command line's, it is not "absent"
        {R"({"data":"X","extra":""})", [](BarOptions& o) { o.Extra.clear(); }},
        {R"({"data":"\u00e4\ud83d\ude00"})", // \u escapes, a surrogate pair among them
         [](BarOptions& o) { o.DataText = u"\u00E4\U0001F600"; }},
        {"{\"data\":\"\xC3\xA4\"}", [](BarOptions& o) { o.DataText = u"\u00E4"; }},
        {R"({"data":""})", [](BarOptions& o) { o.DataText.clear(); }},
        {" {\"extra\":\"1\", \"data\":\"X\"} \r", // key order and a CRLF line's CR
         [](BarOptions& o) { o.Extra = u"1"; }},
    };
    for (const auto& row : rows) {
        BarOptions want = CommandLineChoices();
        want.DataText = u"X";
        row.change(want);
        const auto got = ParseRequest(row.line, CommandLineChoices(), true);
        ASSERT_TRUE(std::holds_alternative<BarOptions>(got))
            << row.line << ": " << std::get<std::string>(got);
        EXPECT_EQ(Describe(std::get<BarOptions>(got)), Describe(want)) << row.line;
    }
}

struct RefusedRow {
    std::string_view line;
    std::string_view complaint;
};

TEST(Requests, ParseRefused) {
    const RefusedRow rows[] = {
        {"", "not valid JSON"},
        {"{", "not valid JSON"},
        {R"({"data":"X"} {"data":"Y"})", "not valid JSON"}, // two objects on one line
        {R"({"data":"\ud800"})", "not valid JSON"},         // a lone surrogate escape
        {"{\"data\":\"\xC0\xAF\"}", "not valid JSON"},      // overlong UTF-8
        {"[{\"data\":\"X\"}]", "not a JSON object"},
        {R"("X")", "not a JSON object"},
        {"{}", "\"data\" is missing"},
        {R"({"extra":"1"})", "\"data\" is missing"},
        {R"({"data":5})", "\"data\" must be a string"},
        {R"({"data":"X","symbology":39})", "\"symbology\" must be a string"},
        {R"({"data":"X","symbology":"qr"})",
         "unknown symbology \"qr\" "
         "(i25 | code39 | code93 | code128 | codabar | ean | postnet | upc)"},
        {R"({"data":"X","font_type":"itf"})",
         "unknown font type \"itf\" (standard | human | itf14)"},
        {R"({"data":"X","size":"G"})", "unknown size \"G\" (one letter A to F)"},
        {R"({"data":"X","variant":"3"})", "\"variant\" must be a number"},
        {R"({"data":"X","variant":3.0})", "the variant must be a whole number from 1 to 7"},
        {R"({"data":"X","variant":0})", "the variant must be a whole number from 1 to 7"},
        // past long long: must not wrap round into the range
        {R"({"data":"X","variant":18446744073709551617})",
         "the variant must be a whole number from 1 to 7"},
        {R"({"data":"X","variant":18446744073709551615})",
         "the variant must be a whole number from 1 to 7"},
        {R"({"data":"X","checksum":"true"})", "\"checksum\" must be true or false"},
        {R"({"data":"X","option2":1})", "\"option2\" must be true or false"},
        {R"({"data":"X","point_size":24})", "\"point_size\" must be a string"},
        // a typo of a key is not taken for the caller's own: its choice would not be made
        {R"({"data":"X","checkSum":true})",
         "unknown key \"checkSum\" (did you mean \"checksum\"?)"},
        {R"({"data":"X","point-size":"30"})",
         "unknown key \"point-size\" (did you mean \"point_size\"?)"},
        {R"({"data":"X","FontType":"human"})",
         "unknown key \"FontType\" (did you mean \"font_type\"?)"},
        // nor a key the answer writes itself
        {R"({"data":"X","face":"Tessary 39 a"})", "the key \"face\" is a field of the answer"},
        {R"({"data":"X","error":""})", "the key \"error\" is a field of the answer"},
    };
    for (const auto& row : rows) {
        const auto got = ParseRequest(row.line, CommandLineChoices(), true);
        ASSERT_TRUE(std::holds_alternative<std::string>(got)) << row.line;
        EXPECT_EQ(std::get<std::string>(got), row.complaint) << row.line;
    }
}

Json Answer(std::string_view line, bool expectEncoded, const BarOptions& defaults = {}) {
    std::string out = "before ";
    EXPECT_EQ(AnswerRequest(line, defaults, out), expectEncoded) << line;
    EXPECT_EQ(out.rfind("before ", 0), 0u) << "appends to what is there";
    const std::string answer = out.substr(7);
    EXPECT_EQ(answer.find('\n'), std::string::npos) << "one line";
    return Json::parse(answer);
}

TEST(Requests, AnswerSuccess) {
    const Json got = Answer(R"({"data":"CODE39","checksum":true})", true);
    const Json want = {
        {"font_string", "*CODE39W*"},
        {"sums_text", ""},
        {"bar_text_out", "*CODE39W*"},
        {"sample_text", "*CODE39W*  "},
        {"sample_size", 24},
        {"output_text_size", nullptr},
        {"human_text", ""},
        {"face", "Tessary 39 d"},
        // 9 x 16 - 1 + 2 x 10 modules of 0.33867 mm; bars 25 modules high.
        {"x_dimension_mm", 0.339},
        {"width_mm", 55.203},
        {"height_mm", 8.467},
        {"magnification_percent", nullptr},
        {"warning", ""},
        {"data_text", "CODE39"},
    };
    EXPECT_EQ(got, want);
}

// A request takes the window's choices for its own symbology, not the command
// line's: UPC at 48 points, SCC-14 and SSCC-18 with FNC1.
TEST(Requests, AnswerTakesTheWindowsChoices) {
    const struct {
        const char* line;
        const char* key;
        Json value;
    } rows[] = {
        {R"({"data":"03600029145","symbology":"upc"})", "sample_size", 48},
        // E stands the standard's full height; D is 58 of its 69.24 modules.
        {R"({"data":"03600029145","symbology":"upc","size":"E"})", "warning", ""},
        {R"({"data":"03600029145","symbology":"upc"})", "warning",
         "bars at 83 % of the standard height: for hand-held scanners only"},
        {R"({"data":"03600029145","symbology":"upc","point_size":"24","size":"E"})", "warning",
         "too small to scan reliably"},
        // FNC1 (glyph 206) after the start C, though option2 was not asked for
        {R"({"data":"00614141123456789","symbology":"code128","variant":5})", "font_string",
         "}\u00CE!!^JJ-CYo\u00C2?~"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Answer(row.line, true)[row.key], row.value) << row.line;
}

TEST(Requests, AnswerTakesTheCommandLineForAbsentKeys) {
    BarOptions defaults;
    defaults.symbology = Symbology::Ean;
    defaults.VariantChoice = 3;
    defaults.Extra = u"90000";
    const Json got = Answer(R"({"data":"0-306-40615-2"})", true, defaults);
    EXPECT_EQ(got["font_string"], "*HYQDQG|406157] /j.q.a.q.a");
    EXPECT_EQ(got["data_text"], "0306406152"); // Bookland's cleaned digits
    EXPECT_EQ(got["face"], "Tessary EAN d");
}

TEST(Requests, AnswerEncodingErrorIsAFailedRecord) {
    const Json got = Answer(R"({"data":"abc"})", false);
    const Json want = {{"error", "Error: input character \"a\" not legal in bar code 3 of 9"},
                       {"data_text", "abc"}};
    EXPECT_EQ(got, want);
}

// The caller's own keys come back at the end of every answer to an object.
TEST(Requests, AnswerCarriesTheCallersKeys) {
    const Json made = Answer(R"({"id":"row-7","data":"A","tag":{"n":[1,2]}})", true);
    EXPECT_EQ(made["font_string"], "*A*");
    EXPECT_EQ(made["id"], "row-7");
    EXPECT_EQ(made["tag"], (Json{{"n", {1, 2}}}));
    std::string out;
    AnswerRequest(R"({"id":"row-7","data":"A","tag":1})", {}, out);
    const auto ordered = nlohmann::ordered_json::parse(out);
    EXPECT_EQ(std::prev(ordered.end()).key(), "tag") << "at the end, in the request's order";
    EXPECT_EQ(std::prev(ordered.end(), 2).key(), "id");
    const Json failed = Answer(R"({"id":7,"data":"a"})", false);
    EXPECT_EQ(failed, (Json{{"error", "Error: input character \"a\" not legal in bar code 3 of 9"},
                            {"data_text", "a"},
                            {"id", 7}}));
    const Json refused = Answer(R"({"id":7,"data":"A","size":"Z"})", false);
    EXPECT_EQ(refused,
              (Json{{"error", "bad request: unknown size \"Z\" (one letter A to F)"}, {"id", 7}}));
}

// Every key of a real answer is one a caller may not use as its own.
TEST(Requests, AnswerFieldsAreKnown) {
    for (const auto& line : {R"({"data":"CODE39"})", R"({"data":"abc"})", "[]"}) {
        std::string out;
        AnswerRequest(line, {}, out);
        const Json answer = Json::parse(out);
        for (const auto& [key, value] : answer.items())
            EXPECT_TRUE(IsAnswerField(key)) << key;
    }
}

TEST(Requests, AnswerBadRequest) {
    const Json got = Answer("[1,2]", false);
    EXPECT_EQ(got, (Json{{"error", "bad request: not a JSON object"}}));
}

// Whatever the bytes, the answer is one line of JSON and nothing is thrown.
TEST(Requests, AnswerSurvivesHostileLines) {
    const std::string deep(100000, '[');
    const std::string lines[] = {
        std::string("\0\0", 2),
        "{\"data\":\"X\"",
        deep,
        "[" + std::string(5000, '{'),
        "{\"data\":\"" + std::string(100000, 'A') + "\"}",
        "{\"data\":\"\\u0000\"}",
        "\xEF\xBB\xBF{\"data\":\"X\"}", // a byte-order mark
    };
    for (const auto& line : lines) {
        std::string out;
        EXPECT_NO_THROW(AnswerRequest(line, {}, out)) << line.substr(0, 40);
        EXPECT_TRUE(Json::accept(out)) << line.substr(0, 40);
    }
}

} // namespace
} // namespace zindra
