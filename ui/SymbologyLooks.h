#pragma once

#include "engine/BarOptions.h"
#include "ui/Controls.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zindra {

// How a symbology handler treats one property: leave it, set it, or set it
// only when a button of the window says so.
enum class Rule : std::uint8_t {
    Keep,
    Yes,
    No,
    UnlessItf14,        // unless ITF14 is selected
    UnlessScc,          // unless GB3b4 or GB3b5 is selected
    UnlessGs1,          // unless GB3b4, GB3b5 or GB3b7 is selected: GS1 data places its own FNC1s
    UnlessNoSupplement, // unless GB3b1 is selected
};

// A caption, and a hint unless the handler leaves the hint as it is.
struct Label {
    std::u16string_view Caption;
    std::optional<std::u16string_view> Hint;
};

// The captions and widths of the size letters.
enum class Letters : std::uint8_t {
    Keep,
    Abc,    // A, B, C captioned and 30 wide
    AllSix, // A to F captioned and 30 wide
    EanUpc, // A, B, C captioned, A 35 wide and B, C 30; D and E captioned
};

// What the data label, Extra and ExtraLabel become.
enum class ExtraField : std::uint8_t {
    Hidden,     // both hidden, the general data label
    Code128,    // both hidden, the data label of the variant (element strings for GS1-128)
    BookPrice,  // the Bookland price while GB3b3 is selected
    Supplement, // the UPC supplement unless GB3b1 is selected
};

struct VariantLabels {
    Label Group;
    Label B1;
    Label B2;
    Label B3;
};

inline constexpr Label StandardType{u"Standard", u"Plain bar codes"};
inline constexpr Label HumanReadableType{u"Human readable", u"Bar codes and human readable text"};

// Everything a symbology handler sets, in the order it sets it. The defaults
// are the plainest look (Codabar's); a row states only where it differs.
struct SymbologyLook {
    Symbology symbology;
    bool hidesFontGroupsFirst = false; // PostNet hides them before clearing the results
    // Size letters
    Rule sizeGroup = Rule::Yes;
    Rule fontA = Rule::Yes;
    Rule fontDE = Rule::Yes;
    Rule fontF = Rule::Yes;
    Letters letters = Letters::Abc;
    // Font type
    Rule typeGroup = Rule::Yes;
    Label type1 = StandardType;
    Label type2 = HumanReadableType;
    bool selectsType1 = false;
    // Variant group
    Rule variantGroup = Rule::No;
    const VariantLabels* variants = nullptr; // null: captions left as they are
    Rule code128Buttons = Rule::Keep;        // GB3b4 to GB3b7, which only Code 128 has
    bool fallsBackToGB3b1 = false;           // one of them selected: select GB3b1, then hide them
    // Options
    Rule optionalChecksum = Rule::No;
    Rule optionalChecksumLabelled = Rule::Keep;
    Label optionalChecksumLabel = {};
    Rule option2 = Rule::No;
    Label option2Label = {}; // while ITF14 is selected the caption is option2Itf14Caption
    std::u16string_view option2Itf14Caption = {};
    Rule dispSums = Rule::No;
    std::optional<std::u16string_view> dispSumsCaption = std::nullopt;
    // Extra field, then the size fallback
    ExtraField extra = ExtraField::Hidden;
    std::optional<ControlId> sizeFallbackFrom = std::nullopt; // selected: FontD is selected instead
    // Point-size box (its text is DefaultPointSize), ITF14, descriptions, special characters
    Rule pointSizeGroup = Rule::Yes;
    Rule itf14 = Rule::No;
    std::u16string_view description;
    std::u16string_view description2;
    Rule specialCharacters = Rule::No;
};

const SymbologyLook& LookOf(Symbology symbology);

// The widest a size letter is made (FontA under EAN and UPC).
inline constexpr int WidestLetter = 35;

// Every caption a handler can give the control (its creation caption first),
// so that a view can make room for the longest once and keep it.
std::vector<std::u16string_view> CaptionsOf(ControlId id);

} // namespace zindra
