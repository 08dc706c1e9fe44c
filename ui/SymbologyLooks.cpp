#include "ui/SymbologyLooks.h"

#include <array>

namespace zindra {
namespace {

using enum Rule;
using enum ControlId;

constexpr Label AddChecksum{u"Add checksum", u"Add the optional checksum as the last character"};
constexpr std::u16string_view ShowChecksums = u"Show checksums";

constexpr VariantLabels Code128Variants{
    {u" Subset ", u"Select the subset of bar code 128 you want to use"},
    {u"A", u"Subset A- upper case letters and control characters"},
    {u"B", u"Subset B- upper and lower case letters"},
    {u"C", u"Subset C- high density numeric data"},
};

constexpr VariantLabels EanVariants{
    {u" Type ", u"What type of EAN bar code do you want"},
    {u"EAN 8", u"8 digit EAN"},
    {u"EAN 13", u"13 digit EAN"},
    {u"Bookland", u"EAN 13 plus 5 digit supplemental"},
};

constexpr VariantLabels UpcVariants{
    {u" Supplemental ", u"Add a supplemental code to the end of your UPC data?"},
    {u"None", u"No supplemental code"},
    {u"2 digit", u"Add a 2 digit supplemental code"},
    {u"5 digit", u"Add a 5 digit supplemental code"},
};

// One row per symbology, in the order of the symbology buttons.
constexpr std::array<SymbologyLook, 8> Looks{{
    {.symbology = Symbology::Interleaved25,
     .fontA = No,
     .optionalChecksum = UnlessItf14,
     .optionalChecksumLabelled = UnlessItf14,
     .optionalChecksumLabel = AddChecksum,
     .option2 = Yes,
     .option2Label = {u"Bearer bars?", std::nullopt},
     .option2Itf14Caption = u"Closed Box?",
     .sizeFallbackFrom = FontA,
     .itf14 = Yes,
     .description = u"Bar code 2/5 Interleaved:",
     .description2 = u"High density numeric data only"},
    {.symbology = Symbology::Code39,
     .optionalChecksum = Yes,
     .optionalChecksumLabelled = Yes,
     .optionalChecksumLabel = AddChecksum,
     .option2 = Yes,
     .option2Label = {u"Full ASCII?",
                      u"If your reader has this enabled, you can add any ASCII character"},
     .description = u"Bar code 3/9:",
     .description2 = u"Alpha numeric data, A-Z, 0-9 plus extras"},
    {.symbology = Symbology::Code93,
     .dispSums = Yes,
     .dispSumsCaption = ShowChecksums,
     .description = u"Bar code 93:",
     .description2 = u"Alpha numeric data, A-Z, 0-9 with checksums"},
    {.symbology = Symbology::Code128,
     .letters = Letters::AllSix,
     .variantGroup = Yes,
     .variants = &Code128Variants,
     .code128Buttons = Yes,
     .optionalChecksum = Yes,
     .optionalChecksumLabelled = Yes,
     .optionalChecksumLabel = {u"No quotes?", u"Convert quote characters to alternate character "
                                              u"to avoid Word/Excel problems"},
     .option2 = UnlessGs1,
     .option2Label = {u"UCC/EAN?", u"Add UCC/EAN encoding to any subset?"},
     .dispSums = UnlessScc,
     .dispSumsCaption = ShowChecksums,
     .extra = ExtraField::Code128,
     .description = u"Bar code 128:",
     .description2 = u"Complete ASCII encoding with checksum",
     .specialCharacters = UnlessGs1},
    {.symbology = Symbology::Codabar,
     .description = u"Codabar:s",
     .description2 = u"Numeric data 0-9 plus extras"},
    {.symbology = Symbology::Ean,
     .fontF = No,
     .letters = Letters::EanUpc,
     .typeGroup = No,
     .type1 = {u"Standard", std::nullopt},
     .type2 = {u"Human readable", std::nullopt},
     .selectsType1 = true,
     .variantGroup = Yes,
     .variants = &EanVariants,
     .code128Buttons = No,
     .fallsBackToGB3b1 = true,
     .extra = ExtraField::BookPrice,
     .sizeFallbackFrom = FontF,
     .description = u"EAN bar code:",
     .description2 = u"Fixed length numeric data only with checksum"},
    {.symbology = Symbology::PostNet,
     .hidesFontGroupsFirst = true,
     .sizeGroup = No,
     .fontA = Keep,
     .fontDE = Keep,
     .fontF = Keep,
     .letters = Letters::Keep,
     .typeGroup = No,
     .type1 = {u"Standard", std::nullopt},
     .type2 = {u"Human readable", std::nullopt},
     .pointSizeGroup = No,
     .description = u"PostNet bar code:",
     .description2 = u"Fixed length numeric data with checksum"},
    {.symbology = Symbology::Upc,
     .fontF = No,
     .letters = Letters::EanUpc,
     .type1 = {u"UPC-A", u"Standard UPC-A"},
     .type2 = {u"UPC-E", u"Special UPC-E"},
     .selectsType1 = true,
     .variantGroup = Yes,
     .variants = &UpcVariants,
     .code128Buttons = No,
     .fallsBackToGB3b1 = true,
     .extra = ExtraField::Supplement,
     .sizeFallbackFrom = FontF,
     .description = u"UPC bar code:",
     .description2 = u"Fixed length numeric data only with checksum"},
}};

constexpr bool LooksInButtonOrder() {
    for (std::size_t i = 0; i < Looks.size(); ++i)
        if (static_cast<std::size_t>(Looks[i].symbology) != i) return false;
    return true;
}
static_assert(LooksInButtonOrder());

} // namespace

const SymbologyLook& LookOf(Symbology symbology) {
    return Looks[static_cast<std::size_t>(symbology)];
}

std::vector<std::u16string_view> CaptionsOf(ControlId id) {
    std::vector<std::u16string_view> captions{SpecOf(id).Text};
    auto add = [&](std::u16string_view caption) {
        if (!caption.empty()) captions.push_back(caption);
    };
    for (const SymbologyLook& look : Looks) {
        if (id == Type1) add(look.type1.Caption);
        if (id == Type2) add(look.type2.Caption);
        if (id == OptionalChecksum) add(look.optionalChecksumLabel.Caption);
        if (id == Option2) {
            add(look.option2Label.Caption);
            add(look.option2Itf14Caption);
        }
        if (id == DispSums && look.dispSumsCaption) add(*look.dispSumsCaption);
        if (!look.variants) continue;
        if (id == GroupBox3) add(look.variants->Group.Caption);
        if (id == GB3b1) add(look.variants->B1.Caption);
        if (id == GB3b2) add(look.variants->B2.Caption);
        if (id == GB3b3) add(look.variants->B3.Caption);
    }
    return captions;
}

} // namespace zindra
