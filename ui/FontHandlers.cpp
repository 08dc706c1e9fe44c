#include "engine/PointSize.h"
#include "faces/SampleFaceName.h"
#include "ui/MainWindowModel.h"
#include "ui/PointSizeText.h"

namespace zindra {
namespace {

using enum ControlId;

// The smallest point size the point-size box accepts from the keyboard.
constexpr int SmallestTypedPointSize = 18;

// The bar code's part of a sample: its first line without trailing spaces.
int BarCodeLength(std::u16string_view sample) {
    const std::u16string_view line = sample.substr(0, sample.find(u'\n'));
    const std::size_t last = line.find_last_not_of(u' ');
    return last == std::u16string_view::npos ? 0 : static_cast<int>(last) + 1;
}

} // namespace

std::optional<int> MainWindowModel::ReadPointSize() {
    const std::u16string& text = Text(PointSize);
    const std::optional<int> size = PointSizeValue(text);
    if (!size && reportBadPointSize_)
        platform.MessageBox(PointSizeConversionError(text), std::nullopt);
    return size;
}

// Re-styles the font string of the sample in the current face and size, or
// empties the sample when the bar code has to be made again. False when the
// point size could not be read; the face is restyled by then.
bool MainWindowModel::Restyle() {
    if (!MadeFlag) {
        BarCodeOut.SetText(u"");
        return true;
    }
    const std::u16string& made = Text(BarTextOut);
    const int at = BarCodeOut.Find(made, 0, static_cast<int>(BarCodeOut.Text().size()));
    // The sums line shows only in BarTextOut, so with sums the output is not
    // found in the sample; its bar code still has to follow the font choice.
    if (at >= 0)
        BarCodeOut.Select(at, static_cast<int>(made.size()));
    else
        BarCodeOut.Select(0, BarCodeLength(BarCodeOut.Text()));
    BarCodeOut.SetSelectionFace(SampleFaceName(ReadOptions()));
    const std::optional<int> size = ReadPointSize();
    if (!size) return false;
    BarCodeOut.SetSelectionSize(*size);
    return true;
}

void MainWindowModel::RefreshSample() {
    Restyle();
}

// Steps 1 to 4 of FontAClick; false when it stopped at an unreadable point size.
bool MainWindowModel::ApplyFontChoice() {
    if (Checked(Radio25)) {
        // Moving into or out of ITF-14 changes the font string; the other
        // choices only change the face.
        const bool itf14 = Checked(ITF14);
        SetVisible(OptionalChecksum, !itf14);
        SetVisible(Option2, true);
        SetText(Option2, itf14 ? u"Closed Box?" : u"Bearer Bars?");
        if (itf14 != (LastFontType == FontType::Itf14)) MadeFlag.reset();
    }
    if (Checked(Radio128)) {
        MadeFlag.reset();
        SetText(BarTextOut, u"");
        BarCodeOut.SetSelectionFace("Arial");
        BarCodeOut.SetSelectionSize(8);
    }
    if (!Restyle()) return false;
    LastFontType = ReadOptions().fontType;
    return true;
}

void MainWindowModel::FontAClick() {
    if (ApplyFontChoice()) SetFocus(BarTextInput);
}

// Runs per keystroke. A text that is not a size yet ("2" on the way to
// "200", "a" typed by mistake) is the user still typing: no message, and the
// focus stays in the box so the next digit lands there too. A text that
// stays unreadable is reported once, when the focus leaves the box.
void MainWindowModel::PointSizeChange() {
    const std::u16string& text = Text(PointSize);
    const std::optional<int> size = PointSizeValue(text);
    if (text.size() < 2 || !size || *size < SmallestTypedPointSize) {
        SetFocus(PointSize);
        return;
    }
    // The human-readable line of SCC-14, SSCC-18 and GS1-128 is sized from the point size.
    if (Checked(GB3b4) || Checked(GB3b5) || Checked(GB3b7) || Checked(DispSums)) {
        MadeFlag.reset();
        SetText(BarTextOut, u"");
        BarCodeOut.SetText(u"");
    }
    ApplyFontChoice();
}

// Leaving the box runs FontAClick, which reads the size only while a bar
// code is shown; an unreadable size is reported here either way, once.
// Unlike a click on a font button, leaving the box keeps the focus where the
// user moved it (Tab, a click), so every control stays within Tab's reach.
void MainWindowModel::PointSizeExit() {
    reportBadPointSize_ = false;
    ApplyFontChoice();
    reportBadPointSize_ = true;
    const std::u16string& text = Text(PointSize);
    if (!PointSizeValue(text)) platform.MessageBox(PointSizeConversionError(text), std::nullopt);
}

} // namespace zindra
