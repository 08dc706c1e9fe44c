#include "settings/SavedChoices.h"

#include "engine/Utf8.h"
#include "ui/MainWindowModel.h"

#include <algorithm>
#include <array>
#include <span>

namespace zindra {
namespace {

using enum ControlId;

struct TextButton {
    std::u16string_view text;
    ControlId button;
};

// A text key that stands for one button of a group. Reading compares the
// texts exactly, letter case included; a text not in the list checks the
// fallback button, which is written as the fallback text.
struct ButtonKey {
    const char* key;
    std::span<const TextButton> texts;
    ControlId fallback;
    std::u16string_view fallbackText;
    std::u16string_view whenMissing;
    std::u16string_view seed;
};

constexpr auto SymbologyTexts = [] {
    std::array<TextButton, SymbologyButtons.size()> texts{};
    std::ranges::transform(SymbologyButtons, texts.begin(), [](const SymbologyButton& row) {
        return TextButton{row.savedText, row.button};
    });
    return texts;
}();
// "I" for ITF-14 is written but never compared: any other text restores it.
constexpr std::array FontTypeTexts{TextButton{u"S", Type1}, TextButton{u"H", Type2}};
constexpr std::array FontSizeTexts{
    TextButton{u"A", FontA}, TextButton{u"B", FontB}, TextButton{u"C", FontC},
    TextButton{u"D", FontD}, TextButton{u"E", FontE},
};
constexpr std::array VariantTexts{
    TextButton{u"A", GB3b1},
    TextButton{u"B", GB3b2},
    TextButton{u"C", GB3b3},
    TextButton{u"SCC14", GB3b4},
    // Newer than the others: a version without them reads either as the fallback.
    TextButton{u"Auto", GB3b6},
    TextButton{u"GS1-128", GB3b7},
};

// In the order of the file.
const std::array<ButtonKey, 4> ButtonKeys{{
    {"Type", SymbologyTexts, FallbackSymbology.button, FallbackSymbology.savedText, u"39", u"39"},
    {"FontType", FontTypeTexts, ITF14, u"I", u"H", u"H"},
    {"FontSize", FontSizeTexts, FontF, u"F", u"C", u"C"},
    {"Supplemental", VariantTexts, GB3b5, u"SCC18", u"A", u"A"},
}};

// The most the data field takes (a line edit's own limit): all of it comes
// back after a restart.
constexpr std::size_t DataFieldLength = 32767;

struct TextKey {
    const char* key;
    ControlId control;
    std::u16string_view whenMissing; // also the seed
    std::size_t longest;
};
const std::array<TextKey, 2> TextKeys{{
    {"PointSize", PointSize, u"24", TextReadLimit},
    {"Data", BarTextInput, u"ABCD4567", DataFieldLength},
}};

// Default when missing and seed are both "clear".
constexpr std::array CheckKeys{OptionalChecksum, Option2, DispSums};

constexpr int SeedLabelSize = 4;
constexpr bool SeedLabelExplain = true;

ControlId ButtonFor(const ButtonKey& key, std::u16string_view text) {
    const auto match = std::ranges::find(key.texts, text, &TextButton::text);
    return match == key.texts.end() ? key.fallback : match->button;
}

std::u16string_view TextFor(const ButtonKey& key, const MainWindowModel& window) {
    const auto match = std::ranges::find_if(
        key.texts, [&](const TextButton& row) { return window.Checked(row.button); });
    return match == key.texts.end() ? key.fallbackText : match->text;
}

const char* Name(ControlId id) {
    return SpecOf(id).Name.data();
}

} // namespace

void RestoreChoices(const IniFile& ini, MainWindowModel& window, LabelChoices& labels) {
    window.Left = ini.ReadInteger(SettingsSection, "Left", 0);
    window.Top = ini.ReadInteger(SettingsSection, "Top", 0);
    for (const auto& key : ButtonKeys) {
        ControlId button =
            ButtonFor(key, ini.ReadString(SettingsSection, key.key, key.whenMissing));
        // ITF-14 belongs to 2/5 alone: under the symbology just restored it may
        // be hidden, and a font type no button shows would still steer Make.
        if (button == ITF14 && !window.Visible(ITF14)) button = Type1;
        window.Select(button);
    }
    for (const auto& key : TextKeys)
        window.SetText(key.control,
                       ini.ReadString(SettingsSection, key.key, key.whenMissing, key.longest));
    for (const auto box : CheckKeys)
        window.SetChecked(box, ini.ReadBool(SettingsSection, Name(box), false));
    const int size = ini.ReadInteger(SettingsSection, "LabelSize", SeedLabelSize);
    labels.CheckLabelSize(size >= 1 && size < CustomLabelSize ? size : CustomLabelSize);
    labels.SetExplainPaste(ini.ReadBool(SettingsSection, "LabelExplain", SeedLabelExplain));
    // Newer than the other keys: a file without it keeps the checked size's sheet.
    labels.ChooseSheet(ToUtf8(ini.ReadString(SettingsSection, "LabelSheet", u"")));
}

void SeedChoices(IniFile& ini, const MainWindowModel& window) {
    ini.WriteInteger(SettingsSection, "Left", window.Left);
    ini.WriteInteger(SettingsSection, "Top", window.Top);
    for (const auto& key : ButtonKeys)
        ini.WriteString(SettingsSection, key.key, key.seed);
    for (const auto& key : TextKeys)
        ini.WriteString(SettingsSection, key.key, key.whenMissing);
    for (const auto box : CheckKeys)
        ini.WriteBool(SettingsSection, Name(box), false);
    ini.WriteInteger(SettingsSection, "LabelSize", SeedLabelSize);
    ini.WriteBool(SettingsSection, "LabelExplain", SeedLabelExplain);
}

void SaveChoices(IniFile& ini, const MainWindowModel& window, const LabelChoices& labels) {
    ini.WriteInteger(SettingsSection, "Left", window.Left);
    ini.WriteInteger(SettingsSection, "Top", window.Top);
    for (const auto& key : ButtonKeys)
        ini.WriteString(SettingsSection, key.key, TextFor(key, window));
    for (const auto& key : TextKeys)
        ini.WriteString(SettingsSection, key.key, window.Text(key.control));
    for (const auto box : CheckKeys)
        ini.WriteBool(SettingsSection, Name(box), window.Checked(box));
    const int size = labels.CheckedLabelSize();
    ini.WriteInteger(SettingsSection, "LabelSize",
                     size >= 1 && size < CustomLabelSize ? size : CustomLabelSize);
    ini.WriteBool(SettingsSection, "LabelExplain", labels.ExplainPaste());
    ini.WriteString(SettingsSection, "LabelSheet", FromUtf8(labels.SheetName()));
}

} // namespace zindra
