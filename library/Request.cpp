#include "library/Request.h"

#include "engine/EncodeRequest.h"
#include "engine/Utf8.h"
#include "faces/WindowChoices.h"
#include "library/Answer.h"
#include "library/RequestWords.h"

#include <nlohmann/json.hpp>

#include <array>
#include <optional>

namespace zindra {
namespace {

using Json = nlohmann::json;
using Complaint = std::optional<std::string>;

Complaint Text(const Json& value, std::string_view key, std::u16string& into) {
    if (!value.is_string()) return "\"" + std::string(key) + "\" must be a string";
    if (!DecodeUtf8(value.get_ref<const std::string&>(), into))
        return "invalid UTF-8 in \"" + std::string(key) + "\"";
    return std::nullopt;
}

Complaint Flag(const Json& value, std::string_view key, bool& into) {
    if (!value.is_boolean()) return "\"" + std::string(key) + "\" must be true or false";
    into = value.get<bool>();
    return std::nullopt;
}

// A word that names a choice, read by `read` and refused with `refuse`.
template <typename Value, typename Read, typename Refuse>
Complaint Word(const Json& value, std::string_view key, Value& into, Read read, Refuse refuse) {
    if (!value.is_string()) return "\"" + std::string(key) + "\" must be a string";
    const auto& word = value.get_ref<const std::string&>();
    const auto read_value = read(word);
    if (!read_value) return refuse(word);
    into = *read_value;
    return std::nullopt;
}

Complaint Variant(const Json& value, BarOptions& o) {
    if (!value.is_number()) return std::string("\"variant\" must be a number");
    // 3 is a variant, 3.0 is not; a number past the range of long long reads
    // as negative and is refused with the rest.
    if (!value.is_number_integer() || !IsVariant(value.get<long long>())) return VariantError();
    o.VariantChoice = value.get<int>();
    return std::nullopt;
}

// What each key of a request sets.
struct KeyRow {
    std::string_view key;
    Complaint (*apply)(const Json&, BarOptions&);
};

constexpr std::array Keys{
    KeyRow{"data", [](const Json& v, BarOptions& o) { return Text(v, "data", o.DataText); }},
    KeyRow{"symbology",
           [](const Json& v, BarOptions& o) {
               return Word(v, "symbology", o.symbology, ReadSymbology, SymbologyError);
           }},
    KeyRow{"variant", Variant},
    KeyRow{"font_type",
           [](const Json& v, BarOptions& o) {
               return Word(v, "font_type", o.fontType, ReadFontType, FontTypeError);
           }},
    KeyRow{"size",
           [](const Json& v, BarOptions& o) {
               return Word(v, "size", o.FontSize, ReadSizeLetter, SizeLetterError);
           }},
    KeyRow{"checksum",
           [](const Json& v, BarOptions& o) { return Flag(v, "checksum", o.OptionalChecksum); }},
    KeyRow{"option2", [](const Json& v, BarOptions& o) { return Flag(v, "option2", o.Option2); }},
    KeyRow{"sums", [](const Json& v, BarOptions& o) { return Flag(v, "sums", o.DispSums); }},
    KeyRow{"point_size",
           [](const Json& v, BarOptions& o) { return Text(v, "point_size", o.PointSize); }},
    KeyRow{"extra", [](const Json& v, BarOptions& o) { return Text(v, "extra", o.Extra); }},
};

const KeyRow* FindKey(std::string_view key) {
    for (const KeyRow& row : Keys)
        if (row.key == key) return &row;
    return nullptr;
}

// A key as it reads with case, "_" and "-" left out.
std::string Folded(std::string_view key) {
    std::string folded;
    for (char c : key)
        if (c != '_' && c != '-') folded.push_back(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return folded;
}

const KeyRow* NearMiss(std::string_view key) {
    const std::string folded = Folded(key);
    for (const KeyRow& row : Keys)
        if (Folded(row.key) == folded) return &row;
    return nullptr;
}

// The caller's keys, for the end of the answer.
void Carry(const nlohmann::ordered_json& carried, nlohmann::ordered_json& answer) {
    for (const auto& [key, value] : carried.items())
        answer[key] = value;
}

} // namespace

std::variant<BarOptions, std::string> ParseRequest(std::string_view line,
                                                   const BarOptions& defaults, bool pointSizeGiven,
                                                   nlohmann::ordered_json* carried) {
    const Json request = Json::parse(line, nullptr, /*allow_exceptions=*/false);
    if (request.is_discarded()) return std::string("not valid JSON");
    if (!request.is_object()) return std::string("not a JSON object");
    if (!request.contains("data")) return std::string("\"data\" is missing");

    BarOptions options = defaults;
    for (const auto& [key, value] : request.items()) {
        if (const KeyRow* row = FindKey(key)) {
            if (Complaint complaint = row->apply(value, options)) return *complaint;
        } else if (const KeyRow* meant = NearMiss(key)) {
            return "unknown key \"" + key + "\" (did you mean \"" + std::string(meant->key) +
                   "\"?)";
        } else if (IsAnswerField(key)) {
            return "the key \"" + key + "\" is a field of the answer";
        } else if (carried) {
            (*carried)[key] = value;
        }
    }
    TakeWindowChoices(options, pointSizeGiven || request.contains("point_size"));
    return options;
}

bool AnswerRequest(std::string_view line, const BarOptions& defaults, std::string& out,
                   bool pointSizeGiven) {
    nlohmann::ordered_json carried = nlohmann::ordered_json::object();
    auto request = ParseRequest(line, defaults, pointSizeGiven, &carried);
    if (const auto* complaint = std::get_if<std::string>(&request)) {
        nlohmann::ordered_json answer{{"error", BadRequestPrefix + *complaint}};
        Carry(carried, answer);
        AppendJson(answer, out);
        return false;
    }
    const auto& options = std::get<BarOptions>(request);
    const RequestOutcome outcome = EncodeRequest(options);
    nlohmann::ordered_json answer = OutcomeJson(outcome, options);
    Carry(carried, answer);
    AppendJson(answer, out);
    return std::holds_alternative<BarResult>(outcome.Outcome);
}

} // namespace zindra
