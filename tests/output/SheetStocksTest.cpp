#include "output/SheetStocks.h"
#include "faces/FaceGeometry.h"
#include "output/CustomStock.h"
#include "output/SheetLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zindra {
namespace {

constexpr double Inch = 72.0;
constexpr double Mm = 72.0 / 25.4;

// Label positions from the makers' published layouts: (label index, left, top).
struct StockRow {
    const char* name;
    int perSheet;
    int index;
    double left;
    double top;
    double width;
    double height;
};

TEST(SheetStocks, PublishedGeometry) {
    const StockRow rows[] = {
        {"5167", 80, 0, 0.3 * Inch, 0.5 * Inch, 1.75 * Inch, 0.5 * Inch},
        {"5167", 80, 79, 0.3 * Inch + 3 * 2.05 * Inch, 10.0 * Inch, 1.75 * Inch, 0.5 * Inch},
        {"6570", 32, 5, 0.3 * Inch + 2.05 * Inch, 0.5 * Inch + 1.25 * Inch, 1.75 * Inch,
         1.25 * Inch},
        {"5160", 30, 0, 0.1875 * Inch, 0.5 * Inch, 2.625 * Inch, 1.0 * Inch},
        {"5160", 30, 5, 0.1875 * Inch + 2 * 2.75 * Inch, 1.5 * Inch, 2.625 * Inch, 1.0 * Inch},
        {"5161", 20, 3, 0.15625 * Inch + 4.1875 * Inch, 1.5 * Inch, 4 * Inch, 1.0 * Inch},
        {"5162", 14, 0, 0.15625 * Inch, (11 - 7 * 4.0 / 3) / 2 * Inch, 4 * Inch, 4.0 / 3 * Inch},
        {"5197", 12, 11, 0.15625 * Inch + 4.1875 * Inch, 1.0 * Inch + 5 * 1.5 * Inch, 4 * Inch,
         1.5 * Inch},
        {"5163", 10, 0, 0.15625 * Inch, 0.5 * Inch, 4 * Inch, 2 * Inch},
        {"5164", 6, 2, 0.15625 * Inch, (11 - 3 * 10.0 / 3) / 2 * Inch + 10.0 / 3 * Inch, 4 * Inch,
         10.0 / 3 * Inch},
        {"a4-63.5x38.1", 21, 4, 7.25 * Mm + 66.0 * Mm, 15.15 * Mm + 38.1 * Mm, 63.5 * Mm,
         38.1 * Mm},
        {"a4-70x37", 24, 23, 140 * Mm, 0.5 * Mm + 7 * 37 * Mm, 70 * Mm, 37 * Mm},
        {"a4-99.1x38.1", 14, 1, 4.65 * Mm + 101.6 * Mm, 15.15 * Mm, 99.1 * Mm, 38.1 * Mm},
        {"a4-38.1x21.2", 65, 64, 4.75 * Mm + 4 * 40.6 * Mm, 10.7 * Mm + 12 * 21.2 * Mm, 38.1 * Mm,
         21.2 * Mm},
    };
    for (const auto& row : rows) {
        const SheetStock* stock = FindSheetStock(row.name);
        ASSERT_NE(stock, nullptr) << row.name;
        EXPECT_EQ(LabelsPerSheet(*stock), row.perSheet) << row.name;
        const LabelBox box = LabelOnSheet(*stock, row.index);
        EXPECT_NEAR(box.Left, row.left, 0.01) << row.name << " " << row.index;
        EXPECT_NEAR(box.Top, row.top, 0.01) << row.name << " " << row.index;
        EXPECT_NEAR(box.Width, row.width, 0.01) << row.name;
        EXPECT_NEAR(box.Height, row.height, 0.01) << row.name;
    }
    EXPECT_EQ(FindSheetStock("---"), nullptr);
    EXPECT_EQ(SheetStocks().size(), 12u);
}

// Sheets described on the command line: the same label boxes as the table
// rows above, worked from the description.
TEST(SheetStocks, CustomAndRollStocks) {
    const StockRow rows[] = {
        // a4-63.5x38.1 described by hand: 3 x 7, pitch 66 x 38.1 from 7.25, 15.15
        {"custom:3x7,63.5x38.1,7.25,15.15,66x38.1", 21, 4, 7.25 * Mm + 66.0 * Mm,
         15.15 * Mm + 38.1 * Mm, 63.5 * Mm, 38.1 * Mm},
        {"custom:2x5,100x50,5,10", 10, 9, 105 * Mm, 210 * Mm, 100 * Mm, 50 * Mm}, // touching
        {"custom:1x1,200x250,0,0,letter", 1, 0, 0, 0, 200 * Mm, 250 * Mm},
        {"roll:100x150", 1, 0, 0, 0, 100 * Mm, 150 * Mm},
    };
    for (const auto& row : rows) {
        const auto named = SheetStockNamed(row.name);
        ASSERT_TRUE(std::holds_alternative<SheetStock>(named))
            << row.name << ": " << std::get<std::string>(named);
        const SheetStock& stock = std::get<SheetStock>(named);
        EXPECT_EQ(LabelsPerSheet(stock), row.perSheet) << row.name;
        const LabelBox box = LabelOnSheet(stock, row.index);
        EXPECT_NEAR(box.Left, row.left, 0.01) << row.name;
        EXPECT_NEAR(box.Top, row.top, 0.01) << row.name;
        EXPECT_NEAR(box.Width, row.width, 0.01) << row.name;
        EXPECT_NEAR(box.Height, row.height, 0.01) << row.name;
    }
    const auto roll = std::get<SheetStock>(SheetStockNamed("roll:100x150"));
    EXPECT_NEAR(roll.PageWidth, 100 * Mm, 0.01); // a page is one label
    EXPECT_NEAR(roll.PageHeight, 150 * Mm, 0.01);
    const auto letter = std::get<SheetStock>(SheetStockNamed("custom:1x1,10x10,0,0,letter"));
    EXPECT_NEAR(letter.PageWidth, 8.5 * Inch, 0.01);
    EXPECT_EQ(std::get<SheetStock>(SheetStockNamed("5160")).Name, "5160");
}

TEST(SheetStocks, DescriptionsThatPrintNothingAreRefused) {
    const std::pair<const char*, const char*> rows[] = {
        {"custom:3x7,63.5x38.1", "is not custom:COLSxROWS"},
        {"custom:3x7,63.5x38.1,7.25,15.15,60x38.1", "the pitch is less than the label"},
        {"custom:4x7,63.5x38.1,7.25,15.15,66x38.1", "past the paper's 210.00 mm x 297.00 mm"},
        {"custom:0x7,63.5x38.1,0,0", "is not custom:COLSxROWS"},
        {"custom:3x7,63,5x38,1,0,0", "is not custom:COLSxROWS"}, // a decimal comma
        {"custom:3x7,-63.5x38.1,0,0", "is not custom:COLSxROWS"},
        {"custom:3x7,nanx38.1,0,0", "is not custom:COLSxROWS"},
        {"roll:100", "is not roll:WxH"},
        {"roll:0x150", "is not roll:WxH"},
        {"roll:2000x150", "is not roll:WxH"},
        {"5159", "unknown label stock '5159'"},
    };
    for (const auto& [name, why] : rows) {
        const auto named = SheetStockNamed(name);
        ASSERT_TRUE(std::holds_alternative<std::string>(named)) << name;
        EXPECT_NE(std::get<std::string>(named).find(why), std::string::npos)
            << name << ": " << std::get<std::string>(named);
    }
}

double ModuleDots(Symbology symbology, double size, int dpi) {
    return GeometryOf(symbology).ModuleEm * size * dpi / Inch;
}

// The layout reads the module, quiet zone and X-dimension limits from the face
// geometry table, which the fonts are calibrated against; these rows check the
// rule (whole dots, the largest that fits, quiet zones inside) whatever the table holds.
struct FitRow {
    const char* what;
    Symbology symbology;
    SymbolInk ink; // per point of size
    bool texts;    // the data line and a caption under the bars
};

TEST(SheetLayout, LargestWholeDotSizeThatFits) {
    const LabelBox label{0, 0, 2.625 * Inch, 1.0 * Inch}; // 5160
    const FitRow rows[] = {
        {"wide Code 128, width bound", Symbology::Code128, {0, -0.8, 8.0, 0.8}, false},
        {"wide Code 128 with its texts", Symbology::Code128, {0, -0.8, 8.0, 0.8}, true},
        {"short Code 39, height bound", Symbology::Code39, {0.1, -1.2, 2.0, 1.2}, true},
        {"EAN-13, capped at the largest usual X", Symbology::Ean, {0, -0.6, 4.75, 0.7}, false},
    };
    const TextLines none;
    const TextLines lines{{8.3, 1.9}, {7.2, 1.7}};
    // The office printer's dots, and a thermal label printer's.
    for (const int dpi : {DefaultPrinterDpi, 203, 600})
        for (const auto& row : rows) {
            const TextLines& caption = row.texts ? lines : none;
            const FaceGeometry geometry = GeometryOf(row.symbology);
            const auto placed =
                PlaceLabel(label, row.symbology, row.ink, caption, std::nullopt, dpi);
            ASSERT_TRUE(std::holds_alternative<LabelPlacement>(placed)) << row.what;
            const LabelPlacement& at = std::get<LabelPlacement>(placed);
            const double dots = ModuleDots(row.symbology, at.PointSize, dpi);
            EXPECT_NEAR(dots, std::round(dots), 1e-6) << row.what;
            EXPECT_GE(geometry.ModuleEm * at.PointSize, geometry.MinXmm * Mm - 1e-9) << row.what;
            if (geometry.MaxXmm > 0) {
                EXPECT_LE(geometry.ModuleEm * at.PointSize, geometry.MaxXmm * Mm + 1e-9)
                    << row.what;
            }
            // Quiet zones inside the label, ink centred on it to within half a dot.
            const double quiet = geometry.QuietZoneModules * geometry.ModuleEm * at.PointSize;
            const double inkLeft = at.PenX + row.ink.Left * at.PointSize;
            const double inkRight = inkLeft + row.ink.Width * at.PointSize;
            const double halfDot = 0.5 * Inch / dpi + 0.005;
            EXPECT_GE(inkLeft, quiet - halfDot) << row.what;
            EXPECT_LE(inkRight, label.Width - quiet + halfDot) << row.what;
            EXPECT_NEAR(inkLeft + inkRight, label.Width, 2 * halfDot) << row.what << " at " << dpi;
            // Ink and texts inside the label: the data under the bars, the
            // caption under the data.
            const double inkTop = at.Baseline + row.ink.Top * at.PointSize;
            const double inkBottom = inkTop + row.ink.Height * at.PointSize;
            EXPECT_GT(inkTop, 0) << row.what;
            if (row.texts) {
                EXPECT_GT(at.DataBaseline - lines.Data.Ascent, inkBottom) << row.what;
                EXPECT_GT(at.CaptionBaseline - lines.Caption.Ascent,
                          at.DataBaseline + lines.Data.Descent)
                    << row.what;
                EXPECT_LT(at.CaptionBaseline + lines.Caption.Descent, label.Height) << row.what;
            } else {
                EXPECT_LT(inkBottom, label.Height) << row.what;
            }
            // One dot more is refused at a fixed size, unless the cap stopped it.
            const double bigger = (std::round(dots) + 1) * Inch / dpi / geometry.ModuleEm;
            const bool capped =
                geometry.MaxXmm > 0 && geometry.ModuleEm * bigger > geometry.MaxXmm * Mm + 1e-9;
            if (!capped) {
                EXPECT_TRUE(std::holds_alternative<std::string>(
                    PlaceLabel(label, row.symbology, row.ink, caption, bigger, dpi)))
                    << row.what << " at " << dpi;
            }
        }
}

TEST(SheetLayout, RefusesWhatCannotScan) {
    const LabelBox label{0, 0, 1.75 * Inch, 0.5 * Inch}; // 5167
    const SymbolInk longCode{0, -0.8, 40.0, 0.8};
    EXPECT_TRUE(std::holds_alternative<std::string>(
        PlaceLabel(label, Symbology::Code39, longCode, {}, std::nullopt)));
    const SymbolInk shortCode{0, -0.8, 1.0, 0.8};
    // A point size whose narrow bar is below the smallest that scans.
    const double tiny =
        GeometryOf(Symbology::Code39).MinXmm * Mm / GeometryOf(Symbology::Code39).ModuleEm * 0.9;
    EXPECT_TRUE(std::holds_alternative<std::string>(
        PlaceLabel(label, Symbology::Code39, shortCode, {}, tiny)));
    // A point size too big for the label.
    EXPECT_TRUE(std::holds_alternative<std::string>(
        PlaceLabel(label, Symbology::Code39, shortCode, {}, 200.0)));
    // A given size that fits is kept as given, whole dots or not.
    const auto given = PlaceLabel(label, Symbology::Code39, shortCode, {}, 17.0);
    ASSERT_TRUE(std::holds_alternative<LabelPlacement>(given));
    EXPECT_EQ(std::get<LabelPlacement>(given).PointSize, 17.0);
}

// The letters a label may take: one face per letter of the family, tallest
// first (A is the shortest), a letter the family lacks adding none.
TEST(SheetLayout, FacesByHeightAreTheFamilysLetters) {
    struct Row {
        Symbology symbology;
        int variant;
        FontType type;
        std::vector<std::string> names;
    };
    const std::string c = "Tessary Code 128AB ";
    const std::string ean = "Tessary EAN ";
    const Row rows[] = {
        {Symbology::Code128,
         2,
         FontType::Standard,
         {c + "f", c + "e", c + "d", c + "c", c + "b", c + "a"}},
        // Its HR family has no F: the E face once, not twice.
        {Symbology::Code128,
         2,
         FontType::HumanReadable,
         {"Tessary Code 128ABhr e", "Tessary Code 128ABhr d", "Tessary Code 128ABhr c",
          "Tessary Code 128ABhr b", "Tessary Code 128ABhr a"}},
        {Symbology::Ean,
         2,
         FontType::Standard,
         {ean + "e", ean + "d", ean + "c", ean + "b", ean + "a"}},
        // Interleaved 2 of 5 has no A: size A shows the F face.
        {Symbology::Interleaved25,
         1,
         FontType::Standard,
         {"Tessary 25i f", "Tessary 25i e", "Tessary 25i d", "Tessary 25i c", "Tessary 25i b"}},
        {Symbology::PostNet, 1, FontType::Standard, {"Tessary Postal"}},
    };
    for (const Row& row : rows) {
        BarOptions choices;
        choices.symbology = row.symbology;
        choices.VariantChoice = row.variant;
        choices.fontType = row.type;
        std::vector<std::string> names;
        for (const SampleFace& face : FacesByHeight(choices))
            names.push_back(face.Name);
        EXPECT_EQ(names, row.names) << row.names.front();
    }
}

// The bars grow with the label's height up to the tallest letter: each
// letter is taken by the first label tall enough for it, the texts' lines
// counted, and the shortest stays when nothing fits.
TEST(SheetLayout, TheTallestLetterThatFitsTheLabel) {
    BarOptions choices;
    choices.symbology = Symbology::Code128;
    choices.VariantChoice = 2;
    const auto faces = FacesByHeight(choices);
    const double size = 12;
    const double insets = 2 * 0.05 * Inch; // the label's printable area
    const TextLines none;
    const TextLines lines{{8.3, 1.9}, {7.2, 1.7}};
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const double height = FaceHeightEm(faces[i]) * size + insets;
        const auto fits = [&](double labelHeight, const TextLines& texts) {
            return FacesThatFit(faces, {0, 0, 200, labelHeight}, texts, size).front().Name;
        };
        EXPECT_EQ(fits(height + 0.01, none), faces[i].Name);
        if (i + 1 < faces.size()) {
            EXPECT_EQ(fits(height - 0.01, none), faces[i + 1].Name);
            EXPECT_NE(fits(height + 0.01, lines), faces[i].Name)
                << "the texts take room from the bars";
        }
    }
    EXPECT_EQ(FacesThatFit(faces, {0, 0, 200, 1}, none, size).back().Name, faces.back().Name);
    EXPECT_EQ(FacesThatFit(faces, {0, 0, 200, 1}, none, size).size(), 1u);
}

} // namespace
} // namespace zindra
