#include "settings/TipOfTheDay.h"

#include "engine/Utf8.h"

#include <algorithm>

namespace zindra {
namespace {

constexpr const char* TipSection = "TipoftheDay";
constexpr const char* TipsSection = "Tips";
// The text a tip reads as when its key is missing; a stored "XXXX" counts as missing too.
constexpr std::u16string_view MissingTip = u"XXXX";

std::u16string Tip(const IniFile& ini, long long number) {
    return ini.ReadString(TipsSection, std::to_string(number), MissingTip);
}

// The tips actually present: tip 0 onwards up to the first number missing.
// The count and the circle go by them rather than by Maximum, which a
// hand-edited file may leave out or leave behind.
long long TipCount(const IniFile& ini) {
    long long count = 0;
    while (Tip(ini, count) != MissingTip)
        ++count;
    return count;
}

std::u16string Decimal(long long n) {
    return FromUtf8(std::to_string(n));
}

// Why the tip data cannot be used: the file refused, or the section missing.
std::optional<TipOutcome> Unusable(const IniFile& ini) {
    if (ini.SectionExists(TipSection)) return std::nullopt;
    if (ini.Error()) return TipOutcome{std::nullopt, ini.Error()};
    return TipOutcome{TipFileMissingMessage, std::nullopt};
}

} // namespace

TipOutcome ShowNextTip(const std::filesystem::path& settingsFile, TipView& view) {
    IniFile ini(settingsFile);
    if (auto unusable = Unusable(ini)) return *unusable;
    view.Memo1.clear();

    // Wide enough that a hand-edited extreme Position cannot overflow.
    long long position = ini.ReadInteger(TipSection, "Position", 0);
    auto text = Tip(ini, position);
    if (text == MissingTip) {
        position = 0;
        ini.WriteInteger(TipSection, "Position", 0);
        text = Tip(ini, 0);
        if (text == MissingTip) return {TipFileBadMessage, ini.Error()};
    }
    // A tip past a gap is shown when Position names it, but is not counted.
    const long long count = std::max(TipCount(ini), position + 1);
    view.TipLabel = u"Tip " + Decimal(position + 1) + u" of " + Decimal(count);
    view.Memo1 = text;
    ini.WriteInteger(TipSection, "Position", position + 1);
    return {std::nullopt, ini.Error()};
}

TipOutcome ShowPreviousTip(const std::filesystem::path& settingsFile, TipView& view) {
    std::optional<SettingsFileError> refused;
    {
        IniFile ini(settingsFile);
        if (auto unusable = Unusable(ini)) return *unusable;
        const long long position = ini.ReadInteger(TipSection, "Position", 0);
        const long long last = TipCount(ini) - 1;
        // Position names the tip after the one on screen: step back two, and
        // from the first tip round to the last.
        const long long previous = position == 1 ? last : position == 0 ? last - 1 : position - 2;
        ini.WriteInteger(TipSection, "Position", previous);
        refused = ini.Error();
    }
    auto outcome = ShowNextTip(settingsFile, view);
    // One refusal is reported once, not again by the showing that follows.
    if (refused) outcome.FileError = refused;
    return outcome;
}

std::optional<SettingsFileError> WriteTipEnabled(const std::filesystem::path& settingsFile,
                                                 bool enabled) {
    IniFile ini(settingsFile);
    ini.WriteBool(TipSection, "Enabled", enabled);
    return ini.Error();
}

} // namespace zindra
