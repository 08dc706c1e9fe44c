#pragma once

#include "settings/IniFile.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zindra {

inline constexpr char16_t TipFileMissingMessage[] =
    u"The Tip-of-the-Day file could not be found! Please re-install this product.";
inline constexpr char16_t TipFileBadMessage[] =
    u"The Tip-of-the-Day file is bad! Please re-install this product.";

// What the Tip window shows: the tip's text and "Tip N of M" under it.
struct TipView {
    std::u16string Memo1 = u"A helpfull hint goes here.";
    std::u16string TipLabel;
};

// How a tip operation ended besides what it put into the view: a warning for
// a message box, and a read or write the file system refused, for the error
// report.
struct TipOutcome {
    std::optional<std::u16string> Warning;
    std::optional<SettingsFileError> FileError;
};

// Shows the tip at Position and advances Position; a missing tip (or one that
// reads "XXXX") restarts the circle at tip 0. The label counts the tips
// present from tip 0 to the first one missing.
TipOutcome ShowNextTip(const std::filesystem::path& settingsFile, TipView& view);

// Steps Position back so that ShowNextTip shows the tip before the one on
// screen (the last one before the first), then shows it.
TipOutcome ShowPreviousTip(const std::filesystem::path& settingsFile, TipView& view);

// The TipCheckBox choice, written at once.
std::optional<SettingsFileError> WriteTipEnabled(const std::filesystem::path& settingsFile,
                                                 bool enabled);

} // namespace zindra
