#include "library/Answer.h"

#include "library/SizeJson.h"
#include "engine/Utf8.h"
#include "faces/SampleFaceName.h"

namespace zindra {

nlohmann::ordered_json OutcomeJson(const RequestOutcome& outcome, const BarOptions& options) {
    nlohmann::ordered_json object;
    if (const auto* error = std::get_if<EncodeError>(&outcome.Outcome)) {
        object["error"] = ToUtf8(error->Message);
        object["data_text"] = ToUtf8(outcome.DataText);
        return object;
    }
    const auto& result = std::get<BarResult>(outcome.Outcome);
    object["font_string"] = ToUtf8(result.FontString);
    object["sums_text"] = ToUtf8(result.SumsText);
    object["bar_text_out"] = ToUtf8(result.BarTextOut());
    object["sample_text"] = ToUtf8(result.SampleText);
    object["sample_size"] = result.SampleSize;
    object["output_text_size"] =
        result.OutputTextSize ? nlohmann::ordered_json(*result.OutputTextSize) : nullptr;
    object["human_text"] = ToUtf8(result.HumanText);
    object["face"] = SampleFaceName(options);
    AddSizeAdvice(object, options, result);
    object["data_text"] = ToUtf8(outcome.DataText);
    return object;
}

bool IsAnswerField(std::string_view key) {
    constexpr std::string_view Fields[] = {
        "error",          "font_string", "sums_text",      "bar_text_out",
        "sample_text",    "sample_size", "output_text_size", "human_text",
        "face",           "x_dimension_mm", "width_mm",    "height_mm",
        "magnification_percent", "warning", "data_text"};
    for (std::string_view field : Fields)
        if (field == key) return true;
    return false;
}

void AppendJson(const nlohmann::ordered_json& object, std::string& out) {
    // Every text here went through ToUtf8, so it is valid UTF-8; replacing
    // rather than throwing keeps that promise from ever ending the program.
    out += object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace zindra
