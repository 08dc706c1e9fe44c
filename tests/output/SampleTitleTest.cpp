#include "output/SampleTitle.h"

#include "tests/TestText.h"

#include <gtest/gtest.h>

namespace zindra {
namespace {

struct TitleCase {
    Symbology symbology;
    int variant;
    FontType fontType;
    bool option2;
    const char16_t* title;
};

const TitleCase TitleCases[] = {
    {Symbology::Interleaved25, 1, FontType::Itf14, true, u"Bar Code 2/5 Interleaved"},
    {Symbology::Code39, 3, FontType::HumanReadable, true, u"Bar Code 3/9"},
    {Symbology::Code93, 1, FontType::Standard, false, u"Bar Code 93"},
    {Symbology::Code128, 1, FontType::Standard, false, u"Bar Code 128, subset A"},
    {Symbology::Code128, 2, FontType::Standard, true, u"Bar Code 128, subset B UCC/EAN"},
    {Symbology::Code128, 3, FontType::HumanReadable, true, u"Bar Code 128, subset C UCC/EAN"},
    // SCC-14 and SSCC-18 always carry FNC1, so the title does not say so.
    {Symbology::Code128, 4, FontType::Standard, true, u"Bar Code 128, SCC-14"},
    {Symbology::Code128, 5, FontType::HumanReadable, true, u"Bar Code 128, SSCC-18"},
    {Symbology::Code128, 6, FontType::Standard, true, u"Bar Code 128, Auto UCC/EAN"},
    {Symbology::Code128, 6, FontType::HumanReadable, false, u"Bar Code 128, Auto"},
    // GS1-128 is FNC1 throughout: no suffix, whatever the box says
    {Symbology::Code128, 7, FontType::Standard, true, u"Bar Code 128, GS1-128"},
    {Symbology::Codabar, 2, FontType::Standard, true, u"Codabar Bar Code"},
    {Symbology::Ean, 1, FontType::Standard, true, u"EAN 8 Bar Code"},
    {Symbology::Ean, 2, FontType::HumanReadable, false, u"EAN 13 Bar Code"},
    {Symbology::Ean, 3, FontType::Standard, false, u"Bookland Bar Code"},
    // A variant that EAN does not offer falls to the last EAN row.
    {Symbology::Ean, 5, FontType::Standard, false, u"Bookland Bar Code"},
    {Symbology::PostNet, 4, FontType::HumanReadable, true, u"PostNet Bar Code"},
    {Symbology::Upc, 2, FontType::Standard, true, u"UPC-A Bar Code"},
    {Symbology::Upc, 1, FontType::HumanReadable, false, u"UPC-E Bar Code"},
    {Symbology::Upc, 3, FontType::Itf14, false, u"UPC-E Bar Code"},
};

TEST(SampleTitle, NamesTheBarCode) {
    for (const auto& c : TitleCases) {
        BarOptions choices;
        choices.symbology = c.symbology;
        choices.VariantChoice = c.variant;
        choices.fontType = c.fontType;
        choices.Option2 = c.option2;
        EXPECT_EQ(test::Show(SampleTitle(choices)), test::Show(c.title));
    }
}

} // namespace
} // namespace zindra
