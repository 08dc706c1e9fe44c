#include "engine/Functions.h"
#include "faces/WindowChoices.h"
#include "ui/MainWindowModel.h"
#include "ui/SymbologyLooks.h"
#include "ui/WindowTexts.h"

#include <initializer_list>

namespace zindra {
namespace {

using enum ControlId;

// Whether a rule sets its property now, and to what; none for Keep.
std::optional<bool> Evaluate(Rule rule, const MainWindowModel& window) {
    switch (rule) {
    case Rule::Keep:
        return std::nullopt;
    case Rule::Yes:
        return true;
    case Rule::No:
        return false;
    case Rule::UnlessItf14:
        return !window.Checked(ITF14);
    case Rule::UnlessScc:
        return !window.Checked(GB3b4) && !window.Checked(GB3b5);
    case Rule::UnlessGs1:
        return !window.Checked(GB3b4) && !window.Checked(GB3b5) && !window.Checked(GB3b7);
    case Rule::UnlessNoSupplement:
        return !window.Checked(GB3b1);
    }
    return std::nullopt;
}

void ShowBy(MainWindowModel& window, Rule rule, std::initializer_list<ControlId> controls) {
    if (const std::optional<bool> shown = Evaluate(rule, window))
        for (ControlId id : controls)
            window.SetVisible(id, *shown);
}

void Apply(MainWindowModel& window, ControlId id, const Label& label) {
    window.SetText(id, label.Caption);
    if (label.Hint) window.SetHint(id, *label.Hint);
}

struct LetterLook {
    ControlId letter;
    std::u16string_view caption;
    int width; // 0: left as it is
};

constexpr LetterLook AbcLetters[] = {{FontA, u"A", 30}, {FontB, u"B", 30}, {FontC, u"C", 30}};
constexpr LetterLook AllSixLetters[] = {{FontA, u"A", 30}, {FontB, u"B", 30}, {FontC, u"C", 30},
                                        {FontD, u"D", 30}, {FontE, u"E", 30}, {FontF, u"F", 30}};
constexpr LetterLook EanUpcLetters[] = {{FontA, u"A", WidestLetter},
                                        {FontB, u"B", 30},
                                        {FontC, u"C", 30},
                                        {FontD, u"D", 0},
                                        {FontE, u"E", 0}};

std::span<const LetterLook> LetterLooks(Letters letters) {
    switch (letters) {
    case Letters::Keep:
        return {};
    case Letters::Abc:
        return AbcLetters;
    case Letters::AllSix:
        return AllSixLetters;
    case Letters::EanUpc:
        return EanUpcLetters;
    }
    return {};
}

void ApplyExtraField(MainWindowModel& window, ExtraField field) {
    switch (field) {
    case ExtraField::Hidden:
    case ExtraField::Code128: {
        window.SetVisible(Extra, false);
        window.SetVisible(ExtraLabel, false);
        const bool gs1 = field == ExtraField::Code128 && window.Checked(GB3b7);
        window.SetText(StaticText4, gs1 ? Gs1DataLabel : GeneralDataLabel);
        return;
    }
    case ExtraField::BookPrice: {
        const bool bookland = window.Checked(GB3b3);
        window.SetVisible(Extra, bookland);
        window.SetVisible(ExtraLabel, bookland);
        if (bookland) window.SetText(ExtraLabel, BookPriceLabel);
        window.SetText(StaticText4, bookland ? IsbnDataLabel : GeneralDataLabel);
        return;
    }
    case ExtraField::Supplement: {
        if (window.Text(Extra) == BooklandDefaultPrice) window.SetText(Extra, u"");
        const bool supplement = !window.Checked(GB3b1);
        window.SetVisible(Extra, supplement);
        window.SetVisible(ExtraLabel, supplement);
        if (supplement) {
            window.SetHint(Extra, SupplementHint);
            window.SetText(ExtraLabel, SupplementLabel);
        }
        window.SetText(StaticText4, UpcDataLabel);
        return;
    }
    }
}

} // namespace

// Steps 2 to 10 of every symbology handler. Selecting a button here runs its
// handler at that point, so the order of the steps is part of the behaviour.
void MainWindowModel::ApplyLook(Symbology symbology) {
    const SymbologyLook& look = LookOf(symbology);

    ShowBy(*this, look.sizeGroup, {GroupBoxSize});
    ShowBy(*this, look.fontA, {FontA});
    ShowBy(*this, look.fontDE, {FontD, FontE});
    ShowBy(*this, look.fontF, {FontF});
    for (const LetterLook& letter : LetterLooks(look.letters)) {
        SetText(letter.letter, letter.caption);
        if (letter.width) SetWidth(letter.letter, letter.width);
    }

    ShowBy(*this, look.typeGroup, {GroupBox2});
    Apply(*this, Type1, look.type1);
    if (look.selectsType1) Select(Type1);
    Apply(*this, Type2, look.type2);

    ShowBy(*this, look.variantGroup, {GroupBox3});
    if (look.variants) {
        Apply(*this, GroupBox3, look.variants->Group);
        Apply(*this, GB3b1, look.variants->B1);
        Apply(*this, GB3b2, look.variants->B2);
        Apply(*this, GB3b3, look.variants->B3);
    }
    if (look.fallsBackToGB3b1 &&
        (Checked(GB3b4) || Checked(GB3b5) || Checked(GB3b6) || Checked(GB3b7)))
        Select(GB3b1);
    ShowBy(*this, look.code128Buttons, {GB3b4, GB3b5, GB3b6, GB3b7});

    ShowBy(*this, look.optionalChecksum, {OptionalChecksum});
    if (Evaluate(look.optionalChecksumLabelled, *this) == true)
        Apply(*this, OptionalChecksum, look.optionalChecksumLabel);
    ShowBy(*this, look.option2, {Option2});
    if (!look.option2Label.Caption.empty()) {
        const bool closedBox = !look.option2Itf14Caption.empty() && Checked(ITF14);
        Apply(*this, Option2,
              {closedBox ? look.option2Itf14Caption : look.option2Label.Caption,
               look.option2Label.Hint});
    }
    ShowBy(*this, look.dispSums, {DispSums});
    if (look.dispSumsCaption) SetText(DispSums, *look.dispSumsCaption);

    ApplyExtraField(*this, look.extra);
    if (look.sizeFallbackFrom && Checked(*look.sizeFallbackFrom)) Select(FontD);

    ShowBy(*this, look.pointSizeGroup, {GroupBox4});
    SetText(PointSize, AsciiToU16(DefaultPointSize(look.symbology)));
    ShowBy(*this, look.itf14, {ITF14});
    // A hidden ITF-14 must not stay the font type: no button would show it,
    // yet Make would use it.
    if (!Visible(ITF14) && Checked(ITF14)) Select(Type1);
    SetText(BarCodeDesc, look.description);
    SetText(BarCodeDesc2, look.description2);
    ShowBy(*this, look.specialCharacters, {Insert, ComboBox1});
}

void MainWindowModel::SelectSymbology(Symbology symbology) {
    if (LookOf(symbology).hidesFontGroupsFirst) {
        SetVisible(GroupBoxSize, false);
        SetVisible(GroupBox2, false);
    }
    SetText(BarTextOut, u"");
    BarCodeOut.SetText(u"");
    ApplyLook(symbology);
    MadeFlag.reset();
    SetFocus(BarTextInput);
}

void MainWindowModel::ApplyCode39Look() {
    ApplyLook(Symbology::Code39);
}

} // namespace zindra
