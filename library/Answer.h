#pragma once

#include "engine/EncodeRequest.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace zindra {

// The JSON object of one encoding. Success: font_string, sums_text,
// bar_text_out, sample_text, sample_size, output_text_size (number or null),
// human_text, face, data_text. Failure: error, data_text. `options` are the
// choices the request was made with; they name the face.
nlohmann::ordered_json OutcomeJson(const RequestOutcome& outcome, const BarOptions& options);

// Every key an answer can have, of either kind; a caller's own key must be none.
bool IsAnswerField(std::string_view key);

// Appends the object in one line, without the line feed.
void AppendJson(const nlohmann::ordered_json& object, std::string& out);

} // namespace zindra
