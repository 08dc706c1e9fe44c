#include "settings/TipOfTheDay.h"

#include "engine/Utf8.h"

namespace zindra {
namespace {

constexpr const char* TipSection = "TipoftheDay";
constexpr const char* TipsSection = "Tips";
// The text a tip reads as when its key is missing; a stored "XXXX" counts as missing too.
constexpr std::u16string_view MissingTip = u"XXXX";

std::u16string Tip(const IniFile& ini, long long number) {
    return ini.ReadString(TipsSection, std::to_string(number), MissingTip);
}

std::u16string Decimal(long long n) {
    return FromUtf8(std::to_string(n));
}

} // namespace

TipOutcome ShowNextTip(const std::filesystem::path& settingsFile, TipView& view) {
    IniFile ini(settingsFile);
    if (!ini.SectionExists(TipSection)) return {TipFileMissingMessage, std::nullopt};
    view.Memo1.clear();

    // Wide enough that a hand-edited extreme Position or Maximum cannot overflow.
    long long position = ini.ReadInteger(TipSection, "Position", 0);
    const long long maximum = ini.ReadInteger(TipSection, "Maximum", 1);
    auto text = Tip(ini, position);
    if (text == MissingTip) {
        position = 0;
        ini.WriteInteger(TipSection, "Position", 0);
        text = Tip(ini, 0);
        if (text == MissingTip) return {TipFileBadMessage, ini.WriteError()};
    }
    view.TipLabel = u"Tip " + Decimal(position + 1) + u" of " + Decimal(maximum + 1);
    view.Memo1 = text;
    ini.WriteInteger(TipSection, "Position", position + 1);
    return {std::nullopt, ini.WriteError()};
}

TipOutcome ShowPreviousTip(const std::filesystem::path& settingsFile, TipView& view) {
    std::optional<SettingsWriteError> refused;
    {
        IniFile ini(settingsFile);
        if (!ini.SectionExists(TipSection)) return {TipFileMissingMessage, std::nullopt};
        const long long position = ini.ReadInteger(TipSection, "Position", 0);
        const long long maximum = ini.ReadInteger(TipSection, "Maximum", 0);
        // Position names the tip after the one on screen: step back two, and
        // from the first tip round to the last.
        const long long previous = position == 1   ? maximum
                                   : position == 0 ? maximum - 1
                                                   : position - 2;
        ini.WriteInteger(TipSection, "Position", previous);
        refused = ini.WriteError();
    }
    auto outcome = ShowNextTip(settingsFile, view);
    // One refusal is reported once, not again by the showing that follows.
    if (refused) outcome.WriteError = refused;
    return outcome;
}

std::optional<SettingsWriteError> WriteTipEnabled(const std::filesystem::path& settingsFile,
                                                  bool enabled) {
    IniFile ini(settingsFile);
    ini.WriteBool(TipSection, "Enabled", enabled);
    return ini.WriteError();
}

} // namespace zindra
