#include "faces/SampleFaceName.h"

#include <optional>

#include <array>
#include <string_view>

namespace zindra {
namespace {

enum class TypeIs { Any, Standard, Itf14 };
enum class Option2Is { Any, Ticked, Clear };
// Which of GB3b3..GB3b5 is selected: subsets A/B are "none of them"; Auto and GS1-128
// (6 and 7) mix the subsets, so they are in the one family that holds all of them.
enum class VariantIs { Any, MixedSubsets, SubsetAOrB, SubsetCOrScc, Scc, SubsetC };

// One row of the face table; the first row whose conditions hold names the face.
struct FaceRow {
    Symbology symbology;
    TypeIs type;
    Option2Is option2;
    VariantIs variant;
    std::string_view family;
    std::string_view sizes; // the size letters the family has; others take the last
    bool humanReadable;     // appends " HR"
};

constexpr std::array FaceTable{
    FaceRow{Symbology::Interleaved25, TypeIs::Itf14, Option2Is::Any, VariantIs::Any, "ITF14",
            "bcdef", false},
    FaceRow{Symbology::Interleaved25, TypeIs::Standard, Option2Is::Ticked, VariantIs::Any,
            "Bearer 25i", "bcdef", false},
    FaceRow{Symbology::Interleaved25, TypeIs::Standard, Option2Is::Clear, VariantIs::Any, "25i",
            "bcdef", false},
    FaceRow{Symbology::Interleaved25, TypeIs::Any, Option2Is::Ticked, VariantIs::Any, "Bearer 25i",
            "bcdef", true},
    FaceRow{Symbology::Interleaved25, TypeIs::Any, Option2Is::Clear, VariantIs::Any, "25i", "bcdef",
            true},
    FaceRow{Symbology::Code39, TypeIs::Standard, Option2Is::Any, VariantIs::Any, "39", "abcdef",
            false},
    FaceRow{Symbology::Code39, TypeIs::Any, Option2Is::Any, VariantIs::Any, "39", "abcdef", true},
    FaceRow{Symbology::Code93, TypeIs::Standard, Option2Is::Any, VariantIs::Any, "93", "abcdef",
            false},
    FaceRow{Symbology::Code93, TypeIs::Any, Option2Is::Any, VariantIs::Any, "93", "abcdef", true},
    FaceRow{Symbology::Code128, TypeIs::Any, Option2Is::Any, VariantIs::MixedSubsets, "Code 128ABC",
            "abcdef", false},
    FaceRow{Symbology::Code128, TypeIs::Standard, Option2Is::Any, VariantIs::SubsetAOrB,
            "Code 128AB", "abcdef", false},
    FaceRow{Symbology::Code128, TypeIs::Standard, Option2Is::Any, VariantIs::SubsetCOrScc,
            "Code 128C", "abcdef", false},
    FaceRow{Symbology::Code128, TypeIs::Any, Option2Is::Any, VariantIs::Scc, "Code 128C", "abcdef",
            false},
    FaceRow{Symbology::Code128, TypeIs::Any, Option2Is::Any, VariantIs::SubsetC, "Code 128Chr",
            "abcdef", false},
    // Size F has no face of its own here; it shows the size E face.
    FaceRow{Symbology::Code128, TypeIs::Any, Option2Is::Any, VariantIs::Any, "Code 128ABhr",
            "abcde", false},
    FaceRow{Symbology::Codabar, TypeIs::Standard, Option2Is::Any, VariantIs::Any, "Codabar",
            "abcdef", false},
    FaceRow{Symbology::Codabar, TypeIs::Any, Option2Is::Any, VariantIs::Any, "Codabar", "abcdef",
            true},
    FaceRow{Symbology::Ean, TypeIs::Any, Option2Is::Any, VariantIs::Any, "EAN", "abcde", false},
    FaceRow{Symbology::PostNet, TypeIs::Any, Option2Is::Any, VariantIs::Any, "Postal", "", false},
    FaceRow{Symbology::Upc, TypeIs::Standard, Option2Is::Any, VariantIs::Any, "UPCA", "abcde",
            false},
    FaceRow{Symbology::Upc, TypeIs::Any, Option2Is::Any, VariantIs::Any, "UPCE", "abcde", false},
};

constexpr std::string_view Maker = "Tessary ";

bool Holds(TypeIs type, FontType fontType) {
    switch (type) {
    case TypeIs::Any:
        return true;
    case TypeIs::Standard:
        return fontType == FontType::Standard;
    case TypeIs::Itf14:
        return fontType == FontType::Itf14;
    }
    return false;
}

bool Holds(Option2Is option2, bool ticked) {
    return option2 == Option2Is::Any || (option2 == Option2Is::Ticked) == ticked;
}

bool Holds(VariantIs variant, int choice) {
    const bool scc = choice == 4 || choice == 5;
    const bool mixed = choice == 6 || choice == 7;
    switch (variant) {
    case VariantIs::Any:
        return true;
    case VariantIs::MixedSubsets:
        return mixed;
    case VariantIs::SubsetAOrB:
        return choice != 3 && !scc && !mixed;
    case VariantIs::SubsetCOrScc:
        return choice == 3 || scc;
    case VariantIs::Scc:
        return scc;
    case VariantIs::SubsetC:
        return choice == 3;
    }
    return false;
}

std::string FaceName(const FaceRow& row, char size) {
    std::string name(Maker);
    name += row.family;
    if (size) {
        name += ' ';
        name += size;
    }
    if (row.humanReadable) name += " HR";
    return name;
}

// The size letter of the family for a selected letter: its own when the family
// has it, otherwise the family's last letter.
char FamilySize(const FaceRow& row, char letter) {
    if (row.sizes.empty()) return 0;
    const char lower = static_cast<char>(letter - 'A' + 'a');
    return row.sizes.find(lower) != std::string_view::npos ? lower : row.sizes.back();
}

} // namespace

FaceChoices FaceChoicesOf(const BarOptions& c) {
    return {c.symbology, c.fontType, c.FontSize, c.VariantChoice, c.Option2};
}

const std::string& KeptSampleFaceName(const BarOptions& c) {
    // A bulk run names the same face for every record: the last answer is kept.
    thread_local std::optional<FaceChoices> lastAsked;
    thread_local std::string lastName;
    const FaceChoices asked = FaceChoicesOf(c);
    if (lastAsked == asked) return lastName;
    lastName.clear();
    for (const FaceRow& row : FaceTable) {
        if (row.symbology == c.symbology && Holds(row.type, c.fontType) &&
            Holds(row.option2, c.Option2) && Holds(row.variant, c.VariantChoice)) {
            lastName = FaceName(row, FamilySize(row, c.FontSize));
            break;
        }
    }
    lastAsked = asked;
    return lastName; // never empty: every symbology ends in an unconditional row
}

std::string SampleFaceName(const BarOptions& c) {
    return KeptSampleFaceName(c);
}

std::vector<SampleFace> AllSampleFaces() {
    std::vector<SampleFace> faces;
    auto known = [&faces](const std::string& name) {
        for (const SampleFace& f : faces)
            if (f.Name == name) return true;
        return false;
    };
    for (const FaceRow& row : FaceTable) {
        const std::string_view sizes = row.sizes.empty() ? std::string_view("\0", 1) : row.sizes;
        for (char size : sizes) {
            std::string name = FaceName(row, size);
            if (!known(name))
                faces.push_back(
                    {name, row.symbology, std::string(row.family), size, row.humanReadable});
        }
    }
    return faces;
}

} // namespace zindra
