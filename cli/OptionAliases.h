#pragma once

#include "engine/BarOptions.h"

#include <optional>
#include <string>
#include <vector>

namespace zindra::cli {

// -c and -o mean a different box under each symbology. Their long names are
// the window's captions of those boxes ("Add checksum" is --add-checksum,
// "UCC/EAN?" --ucc-ean), and each stands only where the window shows that
// caption, so that a name never sets a box that means something else.
struct OptionAlias {
    std::string Word; // without the leading "--"
    bool Checksum;    // -c; else -o
};

// Every name, each once, in the order of the window's symbologies.
const std::vector<OptionAlias>& OptionAliases();

// Sets the box the name stands for, or says why it means nothing under `options`.
std::optional<std::string> ApplyAlias(const OptionAlias& alias, BarOptions& options);

// The names for --help, with the symbologies each stands under.
std::string AliasUsage();

} // namespace zindra::cli
