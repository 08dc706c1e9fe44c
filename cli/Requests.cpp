#include "cli/Requests.h"

#include "cli/ExitStatus.h"
#include "cli/RecordLimit.h"
#include "library/client/LibraryClient.h"

#include <string_view>

namespace zindra::cli {
namespace {

constexpr std::string_view LineTooLong =
    R"json({"error":"bad request: the line is longer than 1 MB (1048576 bytes)"})json";
static_assert(MaxRecordBytes == 1048576, "the message names the limit");

// Every answer that did not encode is an object whose first key is "error".
bool Encoded(std::string_view answer) {
    return !answer.starts_with(R"({"error")");
}

} // namespace

int RunRequests(InputReader& input, OutputBuffer& out, const BarOptions& defaults,
                bool pointSizeGiven) {
    const LibraryRequest choices(defaults, pointSizeGiven);
    bool allEncoded = true;
    ForEachLine(input, [&](std::string_view line, bool tooLong) {
        if (tooLong) {
            out.Text() += LineTooLong;
            allEncoded = false;
        } else {
            const std::string answer = AnswerThroughLibrary(choices, line);
            allEncoded = Encoded(answer) && allEncoded;
            out.Text() += answer;
        }
        out.Text().push_back('\n');
        out.FlushIfFull();
    });
    return ExitFor(allEncoded);
}

} // namespace zindra::cli
