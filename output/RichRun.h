#pragma once

#include <string>
#include <vector>

namespace zindra {

// One stretch of the sample field in a single face and size. A line feed in
// Text starts a new line.
struct RichRun {
    std::string Face;
    int PointSize = 0;
    std::u16string Text;

    bool operator==(const RichRun&) const = default;
};

using RichText = std::vector<RichRun>;

// The characters of all runs in order, as a plain-text reader gets them.
std::u16string PlainTextOf(const RichText& runs);

} // namespace zindra
