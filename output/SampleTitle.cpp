#include "output/SampleTitle.h"

namespace zindra {
namespace {

constexpr int AnyVariant = 0;

struct TitleRow {
    Symbology symbology;
    int variant;     // AnyVariant or the one VariantChoice the row needs
    bool needsType1; // the row applies only while Type1 is selected
    const char16_t* title;
};

// Tested from the top; the first row that fits names the bar code.
constexpr TitleRow Titles[] = {
    {Symbology::Interleaved25, AnyVariant, false, u"Bar Code 2/5 Interleaved"},
    {Symbology::Code39, AnyVariant, false, u"Bar Code 3/9"},
    {Symbology::Code93, AnyVariant, false, u"Bar Code 93"},
    {Symbology::Code128, 1, false, u"Bar Code 128, subset A"},
    {Symbology::Code128, 2, false, u"Bar Code 128, subset B"},
    {Symbology::Code128, 3, false, u"Bar Code 128, subset C"},
    {Symbology::Code128, 4, false, u"Bar Code 128, SCC-14"},
    {Symbology::Code128, 5, false, u"Bar Code 128, SSCC-18"},
    {Symbology::Code128, 6, false, u"Bar Code 128, Auto"},
    {Symbology::Code128, 7, false, u"Bar Code 128, GS1-128"},
    {Symbology::Codabar, AnyVariant, false, u"Codabar Bar Code"},
    {Symbology::Ean, 1, false, u"EAN 8 Bar Code"},
    {Symbology::Ean, 2, false, u"EAN 13 Bar Code"},
    {Symbology::Ean, AnyVariant, false, u"Bookland Bar Code"},
    {Symbology::PostNet, AnyVariant, false, u"PostNet Bar Code"},
    {Symbology::Upc, AnyVariant, true, u"UPC-A Bar Code"},
    {Symbology::Upc, AnyVariant, false, u"UPC-E Bar Code"},
};

constexpr char16_t UccEanSuffix[] = u" UCC/EAN";

// SCC-14, SSCC-18 and GS1-128 always carry FNC1.
bool AlwaysFnc1(const BarOptions& choices) {
    return choices.VariantChoice == 4 || choices.VariantChoice == 5 || choices.VariantChoice == 7;
}

} // namespace

std::u16string SampleTitle(const BarOptions& choices) {
    std::u16string title;
    for (const TitleRow& row : Titles) {
        if (row.symbology != choices.symbology) continue;
        if (row.variant != AnyVariant && row.variant != choices.VariantChoice) continue;
        if (row.needsType1 && choices.fontType != FontType::Standard) continue;
        title = row.title;
        break;
    }
    if (choices.symbology == Symbology::Code128 && choices.Option2 && !AlwaysFnc1(choices))
        title += UccEanSuffix;
    return title;
}

} // namespace zindra
