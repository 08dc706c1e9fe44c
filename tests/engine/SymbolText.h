#pragma once

#include "engine/BarResult.h"
#include "tests/TestText.h"

#include <string>

namespace zindra::test {

// An EAN-family outcome as one comparable text: the font string, or "error: "
// and the message. These symbols show the font string itself as the sample,
// with no sums, so anything else is reported as a difference too.
inline std::string DescribeSymbol(const EncodeOutcome& outcome) {
    if (const auto* error = std::get_if<EncodeError>(&outcome))
        return "error: " + Show(error->Message);
    const auto& result = std::get<BarResult>(outcome);
    if (result.SampleText != result.FontString || !result.SumsText.empty())
        return "sample or sums differ: " + Show(result.SampleText);
    return Show(result.FontString);
}

} // namespace zindra::test
