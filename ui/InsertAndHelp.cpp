#include "ui/MainWindowModel.h"
#include "ui/SpecialCharacters.h"

namespace zindra {
namespace {

using enum ControlId;

// Refusals in the sample field are set in this font, whatever it showed.
const CharStyle MessageFont{"Arial", 12};

} // namespace

// Emptying the results takes the made bar code with it, so Copy, Samples
// and Labels ask for a new Make instead of using an empty sample.
void MainWindowModel::InsertClick() {
    MadeFlag.reset();
    BarCodeOut.SetWholeFont(MessageFont);
    BarCodeOut.SetText(u"");
    SetText(BarTextOut, u"");
    SetFocus(BarTextInput);

    Subset subset;
    if (Checked(GB3b2))
        subset = Subset::B;
    else if (Checked(GB3b1))
        subset = Subset::A;
    else if (Checked(GB3b3))
        subset = Subset::C;
    else if (Checked(GB3b6))
        subset = Subset::Auto;
    else
        return; // SCC-14, SSCC-18 and GS1-128 take no special characters

    const Insertion insertion = SpecialCharacterFor(subset, Text(ComboBox1));
    if (insertion.kind == Insertion::Kind::Refuse) {
        BarCodeOut.SetWholeFont(MessageFont);
        BarCodeOut.SetText(std::u16string(insertion.message));
        SetText(BarTextOut, u"");
        platform.Beep();
        return;
    }
    if (insertion.kind == Insertion::Kind::Append)
        SetText(BarTextInput, Text(BarTextInput) + insertion.character);
    SetFocus(BarTextInput);
    const int end = static_cast<int>(Text(BarTextInput).size());
    SetSelection(BarTextInput, end, 0);
}

void MainWindowModel::OpenHelp() {
    platform.OpenDocument(HelpFile);
    SetFocus(BarTextInput);
}

void MainWindowModel::HelpButtonClickClick() {
    OpenHelp();
}

void MainWindowModel::BarTextInputKeyDown(int virtualKey, ShiftState) {
    if (virtualKey == VirtualKeyF1) OpenHelp();
}

void MainWindowModel::ExtraKeyDown(int virtualKey, ShiftState) {
    if (virtualKey == VirtualKeyF1) OpenHelp();
}

} // namespace zindra
