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
    {"Tessary 39 f HR", {37, 0, 8, 0}, 1.8},
    // Text in every face of these families, whatever the name says.
    {"Tessary Code 128ABhr e", {31, 0, 8, 0}, 1.56},
    {"Tessary Code 128C f", {37, 0, 0, 0}, 1.48},
    {"Tessary Bearer 25i f HR", {37, 4, 8, 0}, 2.12},
    {"Tessary ITF14 b", {12, 4, 0, 0}, 0.8},
    // The tallest EAN/UPC letter stands the standard's 69.24 modules.
    {"Tessary EAN e", {70, 0, 8, 5}, 3.12},
    {"Tessary UPCA e", {70, 0, 8, 5}, 1.56},
    {"Tessary UPCE a", {24, 0, 8, 5}, 0.64},
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

// The cells of every table row of `html` that has three cells, the first a number
// (or, with `letters`, a size letter).
std::vector<std::vector<std::string>> NumberedRows(const std::string& html, bool letters = false) {
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
        const bool numbered =
            !cells.empty() && !cells[0].empty() &&
            (letters ? cells[0].size() == 1 && cells[0][0] >= 'A' && cells[0][0] <= 'F'
                     : cells[0].find_first_not_of("0123456789") == std::string::npos);
        if (cells.size() == 3 && numbered) rows.push_back(cells);
    }
    return rows;
}

std::string Help() {
    std::ifstream in(ZINDRA_HELP_HTML);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The help's table of X-dimensions is written by hand: every row must say what
// the faces print.
TEST(FaceGeometryTest, HelpTableOfXDimensionsMatchesTheFaces) {
    const std::string help = Help();
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

// So is its table of bar heights at 24 points (UPC 48, where its bars print as EAN's).
TEST(FaceGeometryTest, HelpTableOfBarHeightsMatchesTheFaces) {
    const auto faces = AllSampleFaces();
    const auto mm = [&faces](std::string face, char letter, Symbology symbology) {
        face += static_cast<char>(letter - 'A' + 'a');
        char text[32];
        std::snprintf(text, sizeof text, "%.1f mm",
                      HeightsOf(FaceNamed(faces, face)).Bar * XDimensionMm(symbology, 24));
        return std::string(text);
    };
    const auto rows = NumberedRows(Help(), true);
    for (const auto& cells : rows) {
        const char letter = cells[0][0];
        SCOPED_TRACE(letter);
        EXPECT_EQ(cells[1].substr(0, cells[1].find(" mm") + 3),
                  mm("Tessary 39 ", letter, Symbology::Code39));
        if (letter < 'F') {
            EXPECT_EQ(cells[2].substr(0, cells[2].find(" mm") + 3),
                      mm("Tessary EAN ", letter, Symbology::Ean));
        }
    }
    EXPECT_EQ(rows.size(), 6u);
}

} // namespace
} // namespace zindra
