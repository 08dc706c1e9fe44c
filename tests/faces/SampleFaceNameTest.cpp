#include "faces/SampleFaceName.h"

#include <gtest/gtest.h>

#include <set>

namespace zindra {
namespace {

struct FaceRow {
    Symbology symbology;
    FontType fontType;
    char size;
    int variant;
    bool option2;
    const char* face;
};

const FaceRow FaceRows[] = {
    {Symbology::Code39, FontType::Standard, 'D', 1, false, "Tessary 39 d"},
    {Symbology::Code39, FontType::HumanReadable, 'D', 1, false, "Tessary 39 d HR"},
    {Symbology::Code39, FontType::Itf14, 'A', 1, false, "Tessary 39 a HR"},
    {Symbology::Code93, FontType::HumanReadable, 'F', 1, false, "Tessary 93 f HR"},
    // Interleaved 2 of 5 has no size A: it falls to the last column.
    {Symbology::Interleaved25, FontType::Standard, 'A', 1, true, "Tessary Bearer 25i f"},
    {Symbology::Interleaved25, FontType::Standard, 'B', 1, true, "Tessary Bearer 25i b"},
    {Symbology::Interleaved25, FontType::Standard, 'C', 1, false, "Tessary 25i c"},
    {Symbology::Interleaved25, FontType::HumanReadable, 'E', 1, true, "Tessary Bearer 25i e HR"},
    {Symbology::Interleaved25, FontType::HumanReadable, 'D', 1, false, "Tessary 25i d HR"},
    // ITF-14 comes first, whatever Option2 says.
    {Symbology::Interleaved25, FontType::Itf14, 'B', 1, true, "Tessary ITF14 b"},
    {Symbology::Code128, FontType::Standard, 'A', 1, false, "Tessary Code 128AB a"},
    {Symbology::Code128, FontType::Standard, 'C', 3, false, "Tessary Code 128C c"},
    {Symbology::Code128, FontType::Standard, 'D', 5, true, "Tessary Code 128C d"},
    {Symbology::Code128, FontType::HumanReadable, 'A', 4, true, "Tessary Code 128C a"},
    {Symbology::Code128, FontType::HumanReadable, 'F', 5, true, "Tessary Code 128C f"},
    {Symbology::Code128, FontType::HumanReadable, 'B', 3, false, "Tessary Code 128Chr b"},
    {Symbology::Code128, FontType::HumanReadable, 'E', 2, false, "Tessary Code 128ABhr e"},
    // No size F human-readable A/B face: the size E face stands in.
    {Symbology::Code128, FontType::HumanReadable, 'F', 1, false, "Tessary Code 128ABhr e"},
    // Auto and GS1-128 mix subsets: the family with all of them, whatever the font type
    {Symbology::Code128, FontType::Standard, 'A', 6, false, "Tessary Code 128ABC a"},
    {Symbology::Code128, FontType::HumanReadable, 'F', 6, true, "Tessary Code 128ABC f"},
    {Symbology::Code128, FontType::HumanReadable, 'C', 7, true, "Tessary Code 128ABC c"},
    {Symbology::Code128, FontType::Standard, 'F', 7, false, "Tessary Code 128ABC f"},
    {Symbology::Codabar, FontType::HumanReadable, 'C', 1, false, "Tessary Codabar c HR"},
    {Symbology::Ean, FontType::HumanReadable, 'F', 2, false, "Tessary EAN e"},
    {Symbology::Ean, FontType::Standard, 'A', 3, false, "Tessary EAN a"},
    {Symbology::PostNet, FontType::HumanReadable, 'B', 4, true, "Tessary Postal"},
    {Symbology::Upc, FontType::Standard, 'F', 1, false, "Tessary UPCA e"},
    {Symbology::Upc, FontType::HumanReadable, 'F', 1, false, "Tessary UPCE e"},
    {Symbology::Upc, FontType::Itf14, 'B', 1, false, "Tessary UPCE b"},
};

TEST(SampleFaceName, NamesTheFaceForTheChoices) {
    for (const FaceRow& row : FaceRows) {
        BarOptions choices;
        choices.symbology = row.symbology;
        choices.fontType = row.fontType;
        choices.FontSize = row.size;
        choices.VariantChoice = row.variant;
        choices.Option2 = row.option2;
        EXPECT_EQ(SampleFaceName(choices), row.face) << "expected " << row.face;
    }
}

TEST(SampleFaceName, AllFacesAreDistinctAndCoverEveryChoice) {
    const auto faces = AllSampleFaces();
    std::set<std::string> names;
    for (const SampleFace& face : faces)
        names.insert(face.Name);
    EXPECT_EQ(names.size(), faces.size());
    // 5 x 5 for Interleaved 2 of 5, 4 x 6 each for 39/93/Codabar, 6 + 6 + 6 + 5 + 6 for
    // Code 128, 5 for EAN, 1 PostNet, 5 + 5 UPC.
    EXPECT_EQ(faces.size(), 25u + 3 * 12 + 29 + 5 + 1 + 10);

    const Symbology all[] = {Symbology::Interleaved25, Symbology::Code39,  Symbology::Code93,
                             Symbology::Code128,       Symbology::Codabar, Symbology::Ean,
                             Symbology::PostNet,       Symbology::Upc};
    for (Symbology s : all)
        for (FontType t : {FontType::Standard, FontType::HumanReadable, FontType::Itf14})
            for (char size = 'A'; size <= 'F'; ++size)
                for (int variant = 1; variant <= 7; ++variant)
                    for (bool option2 : {false, true}) {
                        BarOptions c;
                        c.symbology = s;
                        c.fontType = t;
                        c.FontSize = size;
                        c.VariantChoice = variant;
                        c.Option2 = option2;
                        EXPECT_TRUE(names.count(SampleFaceName(c))) << SampleFaceName(c);
                    }
}

} // namespace
} // namespace zindra
