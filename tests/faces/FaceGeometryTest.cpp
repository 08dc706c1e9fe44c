#include "faces/FaceGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace zindra {
namespace {

constexpr double MmPerInch = 25.4;

struct DefaultSize {
    Symbology symbology;
    double pointSize;
    double xMm;     // module em x points x 25.4 / 72, worked by hand
    double dots300; // the same in dots at 300 dpi
};

// Every family at the point size the program sets it at by default.
const DefaultSize DefaultSizes[] = {
    {Symbology::Interleaved25, 24, 0.33867, 4},
    {Symbology::Code39, 24, 0.33867, 4},
    {Symbology::Code93, 24, 0.33867, 4},
    {Symbology::Code128, 24, 0.33867, 4},
    {Symbology::Codabar, 24, 0.33867, 4},
    {Symbology::Ean, 24, 0.33867, 4},
    // Twice the point size, half the module: the same bars as EAN at 24.
    {Symbology::Upc, 48, 0.33867, 4},
    // The postal bar: 0.02 in.
    {Symbology::PostNet, 18, 0.508, 6},
};

TEST(FaceGeometryTest, DefaultSizesPrintWholeDotsWithinTheUsualRange) {
    for (const DefaultSize& row : DefaultSizes) {
        SCOPED_TRACE(static_cast<int>(row.symbology));
        const double x = XDimensionMm(row.symbology, row.pointSize);
        EXPECT_NEAR(row.xMm, x, 1e-5);
        EXPECT_NEAR(row.dots300, x / MmPerInch * 300, 1e-9);
        EXPECT_NEAR(2 * row.dots300, x / MmPerInch * 600, 1e-9);
        const FaceGeometry g = GeometryOf(row.symbology);
        EXPECT_GE(x, g.MinXmm);
        if (g.MaxXmm > 0) {
            EXPECT_LE(x, g.MaxXmm);
        }
    }
}

TEST(FaceGeometryTest, EanAndUpcStayWithinEightyToTwoHundredPercentOfNominal) {
    for (Symbology s : {Symbology::Ean, Symbology::Upc}) {
        EXPECT_NEAR(0.264, GeometryOf(s).MinXmm, 1e-9);
        EXPECT_NEAR(0.66, GeometryOf(s).MaxXmm, 1e-9);
    }
}

struct HeightRow {
    const char* face;
    FaceHeights heights;
    double em; // top of the bars or bearer to the text baseline or lowest bars
};

const HeightRow HeightRows[] = {
    {"Tessary 39 a", {8, 0, 0, 0}, 0.32},
    {"Tessary 39 f HR", {23, 0, 8, 0}, 1.24},
    // Text in every face of these families, whatever the name says.
    {"Tessary Code 128ABhr e", {20, 0, 8, 0}, 1.12},
    {"Tessary Code 128C f", {23, 0, 0, 0}, 0.92},
    {"Tessary Bearer 25i f HR", {17, 4, 8, 0}, 1.32},
    {"Tessary ITF14 b", {9, 4, 0, 0}, 0.68},
    {"Tessary EAN e", {25, 0, 8, 5}, 1.32},
    {"Tessary UPCA e", {25, 0, 8, 5}, 0.66},
    {"Tessary UPCE a", {13, 0, 8, 5}, 0.42},
    {"Tessary Postal", {6.25, 0, 0, 0}, 0.5},
};

const SampleFace& FaceNamed(const std::vector<SampleFace>& faces, const std::string& name) {
    for (const SampleFace& face : faces)
        if (face.Name == name) return face;
    throw std::invalid_argument(name);
}

TEST(FaceGeometryTest, HeightsPerFamilyAndSizeLetter) {
    const auto faces = AllSampleFaces();
    for (const HeightRow& row : HeightRows) {
        SCOPED_TRACE(row.face);
        const SampleFace& face = FaceNamed(faces, row.face);
        const FaceHeights h = HeightsOf(face);
        EXPECT_EQ(row.heights.Bar, h.Bar);
        EXPECT_EQ(row.heights.Bearer, h.Bearer);
        EXPECT_EQ(row.heights.TextDrop, h.TextDrop);
        EXPECT_EQ(row.heights.GuardDescent, h.GuardDescent);
        EXPECT_NEAR(row.em, FaceHeightEm(face), 1e-9);
    }
}

// The sample page's ladder rows are 1.2 x 12 pt apart; the tightest step leaves
// 2 rows (28.8 pt) for 20 points, 1.44 em, and in the UPC ladder 4 rows (57.6 pt)
// for 48 points, 1.2 em. Each face keeps 2 % of its point size clear of the next row.
TEST(FaceGeometryTest, EveryFaceFitsItsLadderRow) {
    for (const SampleFace& face : AllSampleFaces()) {
        SCOPED_TRACE(face.Name);
        const double room = face.symbology == Symbology::Upc ? 1.2 : 1.44;
        EXPECT_LE(FaceHeightEm(face), room - 0.02);
    }
}

TEST(FaceGeometryTest, ModulesAreWholeFontUnits) {
    for (const SampleFace& face : AllSampleFaces()) {
        const double units = GeometryOf(face.symbology).ModuleEm * UnitsPerEm;
        EXPECT_EQ(std::round(units), units) << face.Name;
    }
}

std::string WholeDots(Symbology symbology, int pointSize) {
    const double dots300 = XDimensionMm(symbology, pointSize) / MmPerInch * 300;
    if (std::abs(dots300 - std::round(dots300)) < 1e-9) return ", whole dots at 300 and 600 dpi";
    const double dots600 = 2 * dots300;
    if (std::abs(dots600 - std::round(dots600)) < 1e-9) return ", whole dots at 600 dpi";
    return "";
}

std::string HelpCell(Symbology symbology, int pointSize) {
    char x[32];
    std::snprintf(x, sizeof x, "%.3f mm", XDimensionMm(symbology, pointSize));
    return x + WholeDots(symbology, pointSize);
}

// The cells of every table row of `html` that has three cells, the first a number.
std::vector<std::vector<std::string>> NumberedRows(const std::string& html) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t row = html.find("<tr>"); row != std::string::npos;
         row = html.find("<tr>", row + 1)) {
        const std::size_t rowEnd = html.find("</tr>", row);
        if (rowEnd == std::string::npos) break;
        std::vector<std::string> cells;
        for (std::size_t cell = html.find("<td>", row); cell < rowEnd;
             cell = html.find("<td>", cell + 1)) {
            const std::size_t cellEnd = html.find("</td>", cell);
            cells.push_back(html.substr(cell + 4, cellEnd - cell - 4));
        }
        const bool numbered = !cells.empty() && !cells[0].empty() &&
                              cells[0].find_first_not_of("0123456789") == std::string::npos;
        if (cells.size() == 3 && numbered) rows.push_back(cells);
    }
    return rows;
}

// The help's table of X-dimensions is written by hand: every row must say what
// the faces print.
TEST(FaceGeometryTest, HelpTableOfXDimensionsMatchesTheFaces) {
    std::ifstream in(ZINDRA_HELP_HTML);
    const std::string help{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto rows = NumberedRows(help);
    for (const auto& cells : rows) {
        const int size = std::stoi(cells[0]);
        SCOPED_TRACE(size);
        for (Symbology s : {Symbology::Code39, Symbology::Ean})
            EXPECT_EQ(cells[1], HelpCell(s, size));
        EXPECT_EQ(cells[2], HelpCell(Symbology::Upc, size));
    }
    EXPECT_GE(rows.size(), 10u);
}

} // namespace
} // namespace zindra
