#pragma once

#include "engine/BarOptions.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zindra {

// Every control of the main window, in the order the window is laid out.
enum class ControlId : std::uint8_t {
    GroupBox1,
    Radio25,
    Radio39,
    Radio93,
    Radio128,
    RadioCodabar,
    RadioEAN,
    RadioPostNet,
    RadioUPC,
    BarCodeDesc,
    BarCodeDesc2,
    SpeedButton2,
    SpeedButton1,
    HelpButtonClick,
    GroupBoxSize,
    FontA,
    FontB,
    FontC,
    FontD,
    FontE,
    FontF,
    GroupBox2,
    Type1,
    Type2,
    ITF14,
    GroupBox4,
    PointSize,
    GroupBox3,
    GB3b1,
    GB3b2,
    GB3b3,
    GB3b4,
    GB3b5,
    GB3b6,
    GB3b7,
    TipCheckBox,
    OptionalChecksum,
    Option2,
    DispSums,
    StaticText4,
    BarTextInput,
    ExtraLabel,
    Extra,
    Insert,
    ComboBox1,
    MakeButtonClick,
    CopyButtonClick,
    PrintLabel,
    PrintButtonClick,
    StaticText5,
    BarTextOut,
    StaticText6,
    BarCodeOut,
    PrintDialog1,
};

constexpr std::size_t ControlCount = static_cast<std::size_t>(ControlId::PrintDialog1) + 1;

constexpr std::size_t IndexOf(ControlId id) {
    return static_cast<std::size_t>(id);
}

enum class ControlKind : std::uint8_t {
    Group,
    Radio,
    CheckBox,
    Button,
    PictureButton,
    StaticText,
    Edit,
    ComboBox,
    RichEdit,
    PrintDialog,
};

// A control as the window creates it.
struct ControlSpec {
    ControlId Id;
    std::string_view Name;
    ControlKind Kind;
    std::optional<ControlId> Group; // the group box that holds it, for radios its button group
    std::u16string_view Text;       // caption or text
    std::u16string_view Hint;
    bool Checked = false;
    bool TabStop = true;
    int Width = 0; // only the size letters have a width the handlers set
};

// One control's current state. For BarCodeOut the text lives in the model's
// rich text, not in Text.
struct Control {
    std::u16string Text;
    std::u16string Hint;
    bool Visible = true;
    bool Checked = false;
    int Width = 0;
    int SelStart = 0; // edits: the caret, or the start of the selection
    int SelLength = 0;
};

// A symbology button, what it selects and the text the settings file keeps
// for it. In the order of the window, which is also the order Make asks them
// in; UPC comes last because it is what remains when no other is selected.
struct SymbologyButton {
    ControlId button;
    Symbology symbology;
    std::u16string_view savedText;
};

inline constexpr std::array<SymbologyButton, 8> SymbologyButtons{{
    {ControlId::Radio25, Symbology::Interleaved25, u"25"},
    {ControlId::Radio39, Symbology::Code39, u"39"},
    {ControlId::Radio93, Symbology::Code93, u"93"},
    {ControlId::Radio128, Symbology::Code128, u"128"},
    {ControlId::RadioCodabar, Symbology::Codabar, u"Codabar"},
    {ControlId::RadioEAN, Symbology::Ean, u"EAN"},
    {ControlId::RadioPostNet, Symbology::PostNet, u"PostNet"},
    {ControlId::RadioUPC, Symbology::Upc, u"UPC"},
}};

inline constexpr const SymbologyButton& FallbackSymbology = SymbologyButtons.back();

const ControlSpec& SpecOf(ControlId id);

std::span<const ControlSpec> AllControlSpecs();

// The drop-down lists of PointSize and ComboBox1; empty for other controls.
std::span<const std::u16string_view> ItemsOf(ControlId id);

// The radio buttons that share `radio`'s group, itself included.
std::span<const ControlId> RadioGroupOf(ControlId radio);

} // namespace zindra
