#include "cli/OptionAliases.h"

#include "ui/SymbologyLooks.h"
#include "zindra/zindra.h"

#include <algorithm>
#include <array>

namespace zindra::cli {
namespace {

// Whether the window shows a box under a rule, for these choices.
bool Shown(Rule rule, const BarOptions& o) {
    switch (rule) {
    case Rule::Yes:
        return true;
    case Rule::UnlessItf14:
        return o.fontType != FontType::Itf14;
    case Rule::UnlessScc:
        return o.VariantChoice != code128_variant::Scc14 &&
               o.VariantChoice != code128_variant::Sscc18;
    case Rule::UnlessGs1:
        return Shown(Rule::UnlessScc, o) && o.VariantChoice != code128_variant::Gs1;
    case Rule::UnlessNoSupplement:
        return o.VariantChoice != 1;
    case Rule::Keep:
    case Rule::No:
        break;
    }
    return false;
}

// The caption of the box under these choices; empty where the box is hidden.
std::u16string_view Caption(bool checksum, const BarOptions& o) {
    const SymbologyLook& look = LookOf(o.symbology);
    if (checksum) return Shown(look.optionalChecksum, o) ? look.optionalChecksumLabel.Caption : u"";
    if (!Shown(look.option2, o)) return u"";
    if (o.fontType == FontType::Itf14 && !look.option2Itf14Caption.empty())
        return look.option2Itf14Caption;
    return look.option2Label.Caption;
}

// "Add checksum" -> "add-checksum", "UCC/EAN?" -> "ucc-ean".
std::string WordOf(std::u16string_view caption) {
    std::string word;
    for (char16_t c : caption) {
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            word.push_back(static_cast<char>(c));
        else if (c >= u'A' && c <= u'Z')
            word.push_back(static_cast<char>(c - u'A' + u'a'));
        else if (!word.empty() && word.back() != '-')
            word.push_back('-');
    }
    while (!word.empty() && word.back() == '-')
        word.pop_back();
    return word;
}

// Every set of choices under which a caption can show.
std::vector<BarOptions> Situations() {
    std::vector<BarOptions> all;
    for (const SymbologyButton& row : SymbologyButtons)
        for (FontType t : {FontType::Standard, FontType::HumanReadable, FontType::Itf14})
            for (int variant = 1; variant <= code128_variant::Gs1; ++variant) {
                BarOptions o;
                o.symbology = row.symbology;
                o.fontType = t;
                o.VariantChoice = variant;
                all.push_back(o);
            }
    return all;
}

// The symbologies under which the window shows the box by that name.
std::string WhereItStands(const OptionAlias& alias) {
    std::string where;
    for (const SymbologyButton& row : SymbologyButtons) {
        bool stands = false;
        for (const BarOptions& o : Situations())
            stands = stands || (o.symbology == row.symbology &&
                                WordOf(Caption(alias.Checksum, o)) == alias.Word);
        if (stands)
            where += (where.empty() ? "" : ", ") +
                     std::string(zindra_symbology_name(static_cast<int>(row.symbology)));
    }
    return where;
}

} // namespace

const std::vector<OptionAlias>& OptionAliases() {
    static const std::vector<OptionAlias> aliases = [] {
        std::vector<OptionAlias> made;
        for (const BarOptions& o : Situations())
            for (bool checksum : {true, false}) {
                const std::string word = WordOf(Caption(checksum, o));
                const bool known = std::any_of(
                    made.begin(), made.end(), [&](const OptionAlias& a) { return a.Word == word; });
                if (!word.empty() && !known) made.push_back({word, checksum});
            }
        return made;
    }();
    return aliases;
}

std::optional<std::string> ApplyAlias(const OptionAlias& alias, BarOptions& options) {
    if (WordOf(Caption(alias.Checksum, options)) != alias.Word)
        return "--" + alias.Word + " means nothing here: it names " +
               (alias.Checksum ? "-c" : "-o") + " under " + WhereItStands(alias) +
               " (and there only where the window shows that box)";
    (alias.Checksum ? options.OptionalChecksum : options.Option2) = true;
    return std::nullopt;
}

std::string AliasUsage() {
    std::string text;
    for (const OptionAlias& alias : OptionAliases()) {
        std::string name = "      --" + alias.Word;
        name.resize(std::max<std::size_t>(name.size() + 1, 25), ' ');
        text += name + (alias.Checksum ? "-c" : "-o") + " under " + WhereItStands(alias) + "\n";
    }
    return text;
}

} // namespace zindra::cli
