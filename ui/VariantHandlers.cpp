#include "ui/MainWindowModel.h"
#include "ui/WindowTexts.h"

namespace zindra {
namespace {

using enum ControlId;

bool UnderEanOrUpc(const MainWindowModel& window) {
    const Symbology symbology = window.CurrentSymbology();
    return symbology == Symbology::Ean || symbology == Symbology::Upc;
}

// The subsets A to C bring back what SCC-14 and SSCC-18 hide. Only Code 128
// reads these controls, so under any other symbology (a saved variant
// restored at start-up) they stay as that symbology's look left them.
void ShowSubsetControls(MainWindowModel& window) {
    if (window.CurrentSymbology() != Symbology::Code128) return;
    for (ControlId id : {Insert, ComboBox1, Option2, DispSums})
        window.SetVisible(id, true);
}

// Under Code 128 the data label follows the variant: GS1-128 asks for element strings.
void ShowCode128DataLabel(MainWindowModel& window) {
    if (window.CurrentSymbology() != Symbology::Code128) return;
    window.SetText(StaticText4, window.Checked(GB3b7) ? Gs1DataLabel : GeneralDataLabel);
}

} // namespace

void MainWindowModel::ClearOutputs() {
    MadeFlag.reset();
    SetText(BarTextOut, u"");
    BarCodeOut.SetText(u"");
}

void MainWindowModel::SelectGB3b1() {
    ClearOutputs();
    ShowSubsetControls(*this);
    SetText(StaticText4, GeneralDataLabel);
    if (UnderEanOrUpc(*this)) {
        SetVisible(Extra, false);
        SetVisible(ExtraLabel, false);
    }
    SetFocus(BarTextInput);
}

void MainWindowModel::SelectGB3b2() {
    ClearOutputs();
    ShowSubsetControls(*this);
    if (CurrentSymbology() == Symbology::Upc) {
        SetVisible(Extra, true);
        SetHint(Extra, SupplementHint);
        SetVisible(ExtraLabel, true);
        SetText(ExtraLabel, SupplementLabel);
        SetVisible(Insert, false);
        SetVisible(ComboBox1, false);
    } else {
        SetVisible(Extra, false);
        SetVisible(ExtraLabel, false);
        SetText(StaticText4, GeneralDataLabel);
    }
    SetFocus(BarTextInput);
}

void MainWindowModel::SelectGB3b3() {
    ClearOutputs();
    ShowSubsetControls(*this);
    ShowCode128DataLabel(*this);
    if (UnderEanOrUpc(*this)) {
        SetVisible(Extra, true);
        SetVisible(ExtraLabel, true);
        if (CurrentSymbology() == Symbology::Upc) {
            SetText(ExtraLabel, SupplementLabel);
            SetHint(Extra, SupplementHint);
            if (Text(Extra) == BooklandDefaultPrice) SetText(Extra, u"");
        } else {
            SetText(ExtraLabel, BookPriceLabel);
            SetHint(Extra, BookPriceHint);
            SetText(StaticText4, IsbnDataLabel);
            if (Text(Extra).empty()) SetText(Extra, BooklandDefaultPrice);
        }
    }
    SetFocus(BarTextInput);
}

// SCC-14 and SSCC-18 always carry FNC1: UCC/EAN is ticked and its box hidden
// so it cannot be turned off. Only under Code 128, where the box means
// UCC/EAN; elsewhere it is another symbology's option.
void MainWindowModel::SelectGB3b4Click() {
    ClearOutputs();
    if (CurrentSymbology() == Symbology::Code128) {
        SetVisible(Insert, false);
        SetVisible(ComboBox1, false);
        SetVisible(Option2, false);
        SetChecked(Option2, true);
    }
    ShowCode128DataLabel(*this);
    SetFocus(BarTextInput);
}

void MainWindowModel::SelectGB3b5Click() {
    SelectGB3b4Click();
}

// Auto takes any text, the Insert box's function characters included.
void MainWindowModel::SelectGB3b6() {
    ClearOutputs();
    ShowSubsetControls(*this);
    ShowCode128DataLabel(*this);
    SetFocus(BarTextInput);
}

// GS1-128 always starts with FNC1 and its AIs place the others, so UCC/EAN
// and the Insert box have nothing to add; the sums still help.
void MainWindowModel::SelectGB3b7() {
    ClearOutputs();
    if (CurrentSymbology() == Symbology::Code128) {
        for (ControlId id : {Insert, ComboBox1, Option2})
            SetVisible(id, false);
        SetVisible(DispSums, true);
    }
    ShowCode128DataLabel(*this);
    SetFocus(BarTextInput);
}

void MainWindowModel::ChangeChecksum() {
    MadeFlag.reset();
    SetFocus(BarTextInput);
}

void MainWindowModel::Option2Click() {
    // With ITF-14 the closed box changes the font string; plain bearer bars
    // only change the sample face.
    if (Checked(Radio25) && Checked(ITF14)) MadeFlag.reset();
    if (!Restyle()) return;
    SetFocus(BarTextInput);
}

void MainWindowModel::DispSumsClick() {
    SetFocus(BarTextInput);
}

} // namespace zindra
