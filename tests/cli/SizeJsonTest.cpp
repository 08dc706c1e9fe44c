#include "tests/cli/RunProgram.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace zindra::test {
namespace {

struct SizeRow {
    std::vector<std::string> args;
    double x;             // module em x points x 25.4 / 72
    double width;         // (bars + 2 quiet zones) x X
    double height;        // (bars + bearers + text drop) x X
    double magnification; // 0: null
};

// Worked by hand from the module (1/25 em; UPC 1/50 em; the PostNet bar 0.08 em),
// the symbols' widths in modules and the faces' heights.
const SizeRow SizeRows[] = {
    // EAN-13 D: 95 + 2 x 11 modules, bars 58 + text 8; X 0.33867 = 102.6 % of 0.33.
    {{"-s", "ean", "-v", "2", "400638133393"}, 0.339, 39.624, 22.352, 102.626},
    // UPC-A at its 48 points prints as EAN at 24: 95 + 2 x 9 modules.
    {{"-s", "upc", "-p", "48", "03600029145"}, 0.339, 38.269, 22.352, 102.626},
    // *CODE39W*: 9 x 16 modules less the last gap, + 2 x 10; bars 25.
    {{"-s", "code39", "-c", "CODE39"}, 0.339, 55.203, 8.467, 0},
    // Human readable at 36 points: X 0.508; bars 37 + text 8 = 45 modules.
    {{"-s", "code39", "-c", "-t", "human", "-z", "F", "-p", "36", "CODE39"},
     0.508,
     82.804,
     22.86,
     0},
    // Frame, 6 x 5 bars, frame: 31 pitches of 9/4 + 1 bar = 70.75 bars, + 2 x 6.25.
    {{"-s", "postnet", "12345"}, 0.508, 42.291, 3.175, 0},
    // EAN-8 at 12 points: X 0.169, 51 % of nominal; 67 + 22 modules.
    {{"-s", "ean", "-v", "1", "-p", "12", "9638507"}, 0.169, 15.071, 11.176, 51.313},
};

TEST(SizeJson, XWidthHeightAndMagnification) {
    for (const SizeRow& row : SizeRows) {
        std::vector<std::string> args{"--json"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const ProgramRun run = RunEncoder(args);
        ASSERT_EQ(run.Status, 0) << run.Err;
        const auto json = nlohmann::json::parse(run.Out);
        SCOPED_TRACE(run.Out);
        EXPECT_NEAR(json["x_dimension_mm"].get<double>(), row.x, 0.0005);
        EXPECT_NEAR(json["width_mm"].get<double>(), row.width, 0.0015);
        EXPECT_NEAR(json["height_mm"].get<double>(), row.height, 0.0015);
        if (row.magnification > 0) {
            EXPECT_NEAR(json["magnification_percent"].get<double>(), row.magnification, 0.0015);
        } else {
            EXPECT_TRUE(json["magnification_percent"].is_null());
        }
    }
}

} // namespace
} // namespace zindra::test
