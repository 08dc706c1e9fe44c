// Prints the glyph map of the families whose characters the engine's tables place,
// one character per line:
//   family <TAB> symbol <TAB> character code
// The font generator draws each symbol at the character the encoder writes for it,
// and the font checks know from it every character a sample can hold, so the
// engine's tables stay the one place that says which character draws what.
#include "engine/AddOn.h"
#include "engine/Codabar.h"
#include "engine/Code128.h"
#include "engine/Code39Tables.h"
#include "engine/EanUpcSets.h"
#include "engine/Functions.h"
#include "engine/Interleaved25.h"
#include "engine/PostNet.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace {

class FamilyMap {
  public:
    FamilyMap(std::ostream& out, std::string_view family) : out_(out), family_(family) {}

    void Put(std::string_view symbol, char16_t c) {
        out_ << family_ << '\t' << symbol << '\t' << static_cast<unsigned>(c) << '\n';
    }

    // Value i is named by the i-th of `names` and drawn at the i-th of `chars`.
    void PutValues(std::u16string_view names, std::u16string_view chars) {
        for (std::size_t value = 0; value < names.size(); ++value)
            Put(std::string(1, static_cast<char>(names[value])), chars[value]);
    }

    // The blank the samples end with.
    void PutQuietZone() {
        const std::u16string gap = zindra::PaddedSample(u"");
        for (char16_t c : std::set<char16_t>(gap.begin(), gap.end()))
            Put("quiet zone", c);
    }

  private:
    std::ostream& out_;
    std::string_view family_;
};

// Interleaved 2 of 5 samples are the bare font string, without the quiet-zone blank.
void PutInterleaved25(std::ostream& out, std::string_view family, bool box) {
    FamilyMap map(out, family);
    map.Put("start", zindra::Interleaved25Start);
    map.Put("stop", zindra::Interleaved25Stop);
    constexpr int Pairs = 100;
    for (int pair = 0; pair < Pairs; ++pair) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02d", pair);
        map.Put(digits, zindra::Interleaved25PairChar(pair));
    }
    if (!box) return;
    map.Put("quiet zone in the box", zindra::Itf14BoxQuiet);
    map.Put("box side", zindra::Itf14BoxSide);
}

// Value v is the symbol "value v", at every character the encoder writes for it.
void PutCode128(std::ostream& out, std::string_view family,
                std::initializer_list<std::pair<std::string_view, char16_t>> frame, bool ab) {
    const std::u16string_view glyphs = ab ? zindra::Code128AbGlyphs : zindra::Code128CGlyphs;
    std::map<int, std::set<char16_t>> chars;
    for (std::size_t value = 0; value < glyphs.size(); ++value)
        for (bool noQuotes : {false, true})
            chars[static_cast<int>(value)].insert(
                zindra::Code128AvoidQuote(glyphs[value], noQuotes));
    // Subsets A and B write a data character as itself where the font draws its value there.
    if (ab)
        for (char32_t c = 0; c <= std::numeric_limits<char16_t>::max(); ++c)
            if (const auto value = zindra::Code128AbValue(static_cast<char16_t>(c)))
                for (bool noQuotes : {false, true})
                    chars[*value].insert(
                        zindra::Code128AbDataGlyph(static_cast<char16_t>(c), *value, noQuotes));
    FamilyMap map(out, family);
    for (const auto& [value, codes] : chars)
        for (char16_t c : codes)
            map.Put("value " + std::to_string(value), c);
    for (const auto& [symbol, c] : frame)
        map.Put(symbol, c);
    map.PutQuietZone();
}

// The EAN/UPC digit sets by the names the generator knows them by.
struct NamedEanSet {
    zindra::EanSet set;
    std::string_view name;
};
constexpr NamedEanSet Lead{zindra::EanSet::Lead, "lead"};
constexpr NamedEanSet SetA{zindra::EanSet::A, "A"};
constexpr NamedEanSet SetB{zindra::EanSet::B, "B"};
constexpr NamedEanSet SetC{zindra::EanSet::C, "C"};
constexpr NamedEanSet AddOnSets[] = {{zindra::EanSet::AddOnA, "addon A"},
                                     {zindra::EanSet::AddOnB, "addon B"}};

// Digit d of set S is the symbol "S d". Every family carries both supplements.
void PutEanUpc(std::ostream& out, std::string_view family, std::initializer_list<NamedEanSet> sets,
               std::initializer_list<std::pair<std::string_view, char16_t>> guards) {
    FamilyMap map(out, family);
    map.Put("quiet zone", zindra::AddOnGap);
    for (const auto& [symbol, c] : guards)
        map.Put(symbol, c);
    map.Put("add-on start", zindra::AddOnStart);
    map.Put("add-on delineator", zindra::AddOnDelineator);
    auto putSet = [&map](const NamedEanSet& named) {
        for (int digit = 0; digit < 10; ++digit)
            map.Put(std::string(named.name) + ' ' + static_cast<char>('0' + digit),
                    zindra::EanDigitChar(digit, named.set));
    };
    for (const NamedEanSet& named : sets)
        putSet(named);
    for (const NamedEanSet& named : AddOnSets)
        putSet(named);
}

void WriteGlyphMap(std::ostream& out) {
    PutInterleaved25(out, "25i", false);
    PutInterleaved25(out, "Bearer 25i", false);
    PutInterleaved25(out, "ITF14", true);

    FamilyMap code39(out, "39");
    code39.PutValues(zindra::Code39Legal, zindra::Code39Char);
    code39.Put("*", zindra::Code39StartStop);
    code39.PutQuietZone();

    // The four shifts follow the 43 values Code 93 shares with Code 39.
    FamilyMap code93(out, "93");
    code93.PutValues(zindra::Code39Legal, zindra::Code93Char);
    constexpr std::string_view Shifts[] = {"($)", "(%)", "(/)", "(+)"};
    static_assert(zindra::Code39Legal.size() + std::size(Shifts) == zindra::Code93Char.size());
    for (std::size_t i = 0; i < std::size(Shifts); ++i)
        code93.Put(Shifts[i], zindra::Code93Char[zindra::Code39Legal.size() + i]);
    code93.Put("start", zindra::Code93Start);
    code93.Put("stop", zindra::Code93Stop);
    code93.PutQuietZone();

    // A start/stop letter is the same symbol in either case.
    FamilyMap codabar(out, "Codabar");
    for (char16_t c : zindra::CodabarLegal)
        codabar.Put(std::string(1, static_cast<char>(std::toupper(static_cast<int>(c)))), c);
    codabar.PutQuietZone();

    // Each face holds every start, but a symbol of subset C starts only with its own.
    for (std::string_view family : {"Code 128AB", "Code 128ABhr"})
        PutCode128(out, family,
                   {{"Start A", zindra::Code128StartA},
                    {"Start B", zindra::Code128StartB},
                    {"Stop", zindra::Code128Stop}},
                   true);
    for (std::string_view family : {"Code 128C", "Code 128Chr"})
        PutCode128(out, family, {{"Start C", zindra::Code128StartC}, {"Stop", zindra::Code128Stop}},
                   false);

    // EAN-13 draws its left guard with the lead digit, UPC-A both guards with its
    // outer digits (the check digit from set B); UPC-E's left guard carries the
    // number system and a set-C digit its check digit, printed outside.
    PutEanUpc(out, "EAN", {Lead, SetA, SetB, SetC},
              {{"left guard", zindra::LeftGuard},
               {"centre guard", zindra::CentreGuard},
               {"right guard", zindra::RightGuard}});
    PutEanUpc(out, "UPCA", {Lead, SetA, SetB, SetC}, {{"centre guard", zindra::CentreGuard}});
    PutEanUpc(out, "UPCE", {SetA, SetB, SetC},
              {{"left guard", zindra::LeftGuard}, {"right guard", zindra::RightGuard}});

    // PostNet writes the digits as themselves between its frame bars.
    FamilyMap postal(out, "Postal");
    postal.Put("frame start", zindra::PostNetFrameStart);
    postal.Put("frame end", zindra::PostNetFrameEnd);
    for (int digit = 0; digit < 10; ++digit)
        postal.Put(std::string(1, static_cast<char>('0' + digit)), zindra::DigitChar(digit));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zindra-glyph-map OUTPUT.tsv\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    WriteGlyphMap(out);
    out.close();
    return out ? 0 : 1;
}
