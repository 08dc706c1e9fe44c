#include "ui/Controls.h"

#include "ui/WindowTexts.h"

#include <algorithm>

namespace zindra {
namespace {

using enum ControlId;
using K = ControlKind;

// The window as it is created, before start-up gives it the Code 39 look.
constexpr std::array<ControlSpec, ControlCount> Specs{{
    {GroupBox1,
     "GroupBox1",
     K::Group,
     {},
     u" Type of bar code ",
     u"Select the type of bar code you want to make"},
    {Radio25, "Radio25", K::Radio, GroupBox1, u"2/5", u"Bar code 2/5 interleaved"},
    {Radio39, "Radio39", K::Radio, GroupBox1, u"3/9", u"Bar code 3 of 9", true},
    {Radio93, "Radio93", K::Radio, GroupBox1, u"93", u"Bar code 93"},
    {Radio128, "Radio128", K::Radio, GroupBox1, u"128", u"Bar Code 128"},
    {RadioCodabar, "RadioCodabar", K::Radio, GroupBox1, u"Codabar", u"Codabar bar code"},
    {RadioEAN, "RadioEAN", K::Radio, GroupBox1, u"EAN", u"EAN bar codes"},
    {RadioPostNet, "RadioPostNet", K::Radio, GroupBox1, u"PostNet", u"PostNet bar code"},
    {RadioUPC, "RadioUPC", K::Radio, GroupBox1, u"UPC", u"UPC bar codes"},
    {BarCodeDesc, "BarCodeDesc", K::StaticText, {}, u"", u""},
    {BarCodeDesc2, "BarCodeDesc2", K::StaticText, {}, u"", u""},
    {SpeedButton2, "SpeedButton2", K::Button, {}, u"&Tips", u"Display the next tip of the day"},
    {SpeedButton1, "SpeedButton1", K::PictureButton, {}, u"", u"About this program"},
    {HelpButtonClick, "HelpButtonClick", K::Button, {}, u"&Help", u"Complete help manual"},
    {GroupBoxSize,
     "GroupBoxSize",
     K::Group,
     {},
     u" Size of font ",
     u"Select the size of the font to use"},
    {FontA, "FontA", K::Radio, GroupBoxSize, u"A", u"", false, true, 30},
    {FontB, "FontB", K::Radio, GroupBoxSize, u"B", u"", false, true, 30},
    {FontC, "FontC", K::Radio, GroupBoxSize, u"C", u"", false, true, 30},
    {FontD, "FontD", K::Radio, GroupBoxSize, u"D", u"", true, true, 30},
    {FontE, "FontE", K::Radio, GroupBoxSize, u"E", u"", false, true, 30},
    {FontF, "FontF", K::Radio, GroupBoxSize, u"F", u"", false, true, 30},
    {GroupBox2,
     "GroupBox2",
     K::Group,
     {},
     u" Type of font ",
     u"Select the type of bar code font to use"},
    {Type1, "Type1", K::Radio, GroupBox2, u"Standard", u"Plain bar codes", true},
    {Type2, "Type2", K::Radio, GroupBox2, u"Human readable", u"Bar codes and human readable text"},
    {ITF14, "ITF14", K::Radio, GroupBox2, u"IFT-14", u""},
    {GroupBox4,
     "GroupBox4",
     K::Group,
     {},
     u" Point size ",
     u"Point size of the font copied to the clipboard"},
    {PointSize, "PointSize", K::ComboBox, GroupBox4, u"24", u""},
    {GroupBox3,
     "GroupBox3",
     K::Group,
     {},
     u" Supplemental ",
     u"Add a supplemental code to the end of your UPC data?"},
    {GB3b1, "GB3b1", K::Radio, GroupBox3, u"None", u"No supplemental code", true},
    {GB3b2, "GB3b2", K::Radio, GroupBox3, u"2 digit", u"Add a 2 digit supplemental code"},
    {GB3b3, "GB3b3", K::Radio, GroupBox3, u"5 digit", u"Add a 5 digit supplemental code"},
    {GB3b4, "GB3b4", K::Radio, GroupBox3, u"SCC14", u""},
    {GB3b5, "GB3b5", K::Radio, GroupBox3, u"SSCC18", u""},
    {GB3b6, "GB3b6", K::Radio, GroupBox3, u"Auto",
     u"Any text: the subsets are chosen for the shortest bar code"},
    {GB3b7, "GB3b7", K::Radio, GroupBox3, u"GS1-128",
     u"GS1 element strings, each AI in parentheses: (01)09501101530003(10)AB-123"},
    {TipCheckBox,
     "TipCheckBox",
     K::CheckBox,
     {},
     u"Tip of the day?",
     u"Show Tip of the day on each start up?",
     true},
    {OptionalChecksum,
     "OptionalChecksum",
     K::CheckBox,
     {},
     u"Add checksum?",
     u"Add the optional checksum as the last character"},
    {Option2,
     "Option2",
     K::CheckBox,
     {},
     u"Full ASCII?",
     u"If your reader has this enabled, you can add any ASCII character"},
    {DispSums,
     "DispSums",
     K::CheckBox,
     {},
     u"Show checksums",
     u"Display the sum and checksums to help debug your software"},
    {StaticText4, "StaticText4", K::StaticText, {}, GeneralDataLabel, u""},
    {BarTextInput,
     "BarTextInput",
     K::Edit,
     {},
     u"",
     u"Type in the data you want to convert into a bar code here"},
    {ExtraLabel, "ExtraLabel", K::StaticText, {}, u"", u""},
    {Extra, "Extra", K::Edit, {}, u"", u""},
    {Insert,
     "Insert",
     K::Button,
     {},
     u"&Insert",
     u"Add a special character you can't normally type to the end of your data"},
    {ComboBox1,
     "ComboBox1",
     K::ComboBox,
     {},
     u"FNC1",
     u"Select the control character to add to your data"},
    {MakeButtonClick,
     "MakeButtonClick",
     K::Button,
     {},
     u"&Make",
     u"Build a bar code from the data you entered above"},
    {CopyButtonClick,
     "CopyButtonClick",
     K::Button,
     {},
     u"&Copy",
     u"Copy this bar code to the clip board, to paste in other programs"},
    {PrintLabel, "PrintLabel", K::Button, {}, u"&Labels", u""},
    {PrintButtonClick,
     "PrintButtonClick",
     K::Button,
     {},
     u"&Samples",
     u"Print a sample page of this bar code at several different point sizes"},
    {StaticText5,
     "StaticText5",
     K::StaticText,
     {},
     u"This is the string to use with these bar code fonts:",
     u""},
    {BarTextOut,
     "BarTextOut",
     K::Edit,
     {},
     u"",
     u"Use this string with our bar code fonts to print a bar code",
     false,
     false},
    {StaticText6, "StaticText6", K::StaticText, {}, u"Sample bar code:", u""},
    {BarCodeOut,
     "BarCodeOut",
     K::RichEdit,
     {},
     u"",
     u"This is what your bar code will look like",
     false,
     false},
    {PrintDialog1, "PrintDialog1", K::PrintDialog, {}, u"", u"", false, false},
}};

constexpr std::array<std::u16string_view, 18> PointSizeItems{
    u"18", u"20", u"22", u"24", u"26", u"28", u"30", u"34", u"36",
    u"40", u"44", u"48", u"50", u"52", u"54", u"58", u"60", u"72",
};

constexpr std::array<std::u16string_view, 34> SpecialCharacterItems{
    u"FNC1",   u"FNC2",   u"FNC3",   u"FNC4",      u"CodeA",     u"CodeB",           u"CodeC",
    u"Null",   u"Bell",   u"Tab",    u"Line Feed", u"Form Feed", u"Carriage Return", u"Escape",
    u"Ctrl-A", u"Ctrl-B", u"Ctrl-C", u"Ctrl-D",    u"Ctrl-E",    u"Ctrl-F",          u"Ctrl-H",
    u"Ctrl-K", u"Ctrl-N", u"Ctrl-P", u"Ctrl-Q",    u"Ctrl-R",    u"Ctrl-S",          u"Ctrl-T",
    u"Ctrl-U", u"Ctrl-V", u"Ctrl-W", u"Ctrl-X",    u"Ctrl-Y",    u"Ctrl-Z",
};

constexpr auto SymbologyRadios = [] {
    std::array<ControlId, SymbologyButtons.size()> radios{};
    std::ranges::transform(SymbologyButtons, radios.begin(), &SymbologyButton::button);
    return radios;
}();
constexpr std::array SizeLetters{FontA, FontB, FontC, FontD, FontE, FontF};
constexpr std::array FontTypeButtons{Type1, Type2, ITF14};
constexpr std::array VariantButtons{GB3b1, GB3b2, GB3b3, GB3b4, GB3b5, GB3b6, GB3b7};

// The table is indexed by ControlId; this keeps the two in step.
constexpr bool SpecsInIdOrder() {
    for (std::size_t i = 0; i < Specs.size(); ++i)
        if (IndexOf(Specs[i].Id) != i) return false;
    return true;
}
static_assert(SpecsInIdOrder());

template <std::size_t N> bool Contains(const std::array<ControlId, N>& group, ControlId id) {
    return std::find(group.begin(), group.end(), id) != group.end();
}

} // namespace

const ControlSpec& SpecOf(ControlId id) {
    return Specs[IndexOf(id)];
}

std::span<const ControlSpec> AllControlSpecs() {
    return Specs;
}

std::span<const std::u16string_view> ItemsOf(ControlId id) {
    if (id == PointSize) return PointSizeItems;
    if (id == ComboBox1) return SpecialCharacterItems;
    return {};
}

std::span<const ControlId> RadioGroupOf(ControlId radio) {
    if (Contains(SymbologyRadios, radio)) return SymbologyRadios;
    if (Contains(SizeLetters, radio)) return SizeLetters;
    if (Contains(FontTypeButtons, radio)) return FontTypeButtons;
    if (Contains(VariantButtons, radio)) return VariantButtons;
    return {};
}

} // namespace zindra
