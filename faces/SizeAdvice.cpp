#include "faces/SizeAdvice.h"

#include "faces/FaceGeometry.h"
#include "faces/advances/GlyphAdvances.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <optional>

namespace zindra {
namespace {

// Every glyph of a family by its character: a table of the first 256 answers
// nearly every lookup at once (bulk runs measure every record's symbol); the
// few above, the Windows-1252 punctuation, are searched for.
struct GlyphIndex {
    const FamilyAdvances* family;
    std::array<const GlyphAdvance*, 256> byCode{};
};

const GlyphIndex* IndexOf(std::string_view family) {
    static const std::vector<GlyphIndex> indexes = [] {
        std::vector<GlyphIndex> made;
        for (const FamilyAdvances& f : AllFamilyAdvances()) {
            GlyphIndex& index = made.emplace_back(GlyphIndex{&f});
            for (const GlyphAdvance& g : f.Glyphs)
                if (g.Code < index.byCode.size()) index.byCode[g.Code] = &g;
        }
        return made;
    }();
    for (const GlyphIndex& index : indexes)
        if (index.family->Family == family) return &index;
    return nullptr;
}

const GlyphAdvance* GlyphOf(const GlyphIndex& index, char16_t code) {
    if (code < index.byCode.size()) return index.byCode[code];
    const auto& glyphs = index.family->Glyphs;
    const auto found =
        std::lower_bound(glyphs.begin(), glyphs.end(), code,
                         [](const GlyphAdvance& g, char16_t c) { return g.Code < c; });
    return found != glyphs.end() && found->Code == code ? &*found : nullptr;
}

// What the width of a font string in one face takes: the glyphs of the first
// 256 codes with their bearer-wide ones already scaled to the face's bearer, so
// that measuring is a lookup and three sums a glyph (bulk runs measure every
// record); the few codes above are looked up in the family.
struct Measure {
    struct Glyph {
        double advance = 0, inkLeft = 0, inkRight = 0;
        bool inked = false; // a character the face lacks prints nothing
    };
    const GlyphIndex* index = nullptr;
    double bearer = 0;
    std::array<Glyph, 256> glyphs{};
};

Measure::Glyph Scaled(const GlyphAdvance* glyph, double bearer) {
    if (!glyph) return {};
    const double scale = glyph->BearerWide ? bearer : 1;
    return {glyph->Advance * scale, glyph->InkLeft * scale, glyph->InkRight * scale,
            glyph->InkRight > glyph->InkLeft};
}

void Prepare(Measure& measure, const SampleFace& face) {
    measure.index = IndexOf(face.Family);
    if (!measure.index) return;
    measure.bearer = HeightsOf(face).Bearer * measure.index->family->UnitsPerModule;
    for (std::size_t code = 0; code < measure.glyphs.size(); ++code)
        measure.glyphs[code] = Scaled(measure.index->byCode[code], measure.bearer);
}

double WidthModules(const Measure& measure, std::u16string_view fontString) {
    if (!measure.index) return 0;
    double x = 0;
    double left = std::numeric_limits<double>::max();
    double right = std::numeric_limits<double>::lowest();
    for (char16_t c : fontString) {
        const Measure::Glyph glyph = c < measure.glyphs.size()
                                         ? measure.glyphs[c]
                                         : Scaled(GlyphOf(*measure.index, c), measure.bearer);
        if (glyph.inked) {
            left = std::min(left, x + glyph.inkLeft);
            right = std::max(right, x + glyph.inkRight);
        }
        x += glyph.advance;
    }
    return right > left ? (right - left) / measure.index->family->UnitsPerModule : 0;
}

// The faces by name, made once: every Make and every record of a bulk run looks one up.
const SampleFace* FaceNamed(const std::string& name) {
    static const std::vector<SampleFace> faces = [] {
        std::vector<SampleFace> sorted = AllSampleFaces();
        std::sort(sorted.begin(), sorted.end(),
                  [](const SampleFace& a, const SampleFace& b) { return a.Name < b.Name; });
        return sorted;
    }();
    const auto found =
        std::lower_bound(faces.begin(), faces.end(), name,
                         [](const SampleFace& f, const std::string& n) { return f.Name < n; });
    return found != faces.end() && found->Name == name ? &*found : nullptr;
}

// The face SampleFaceName names for the choices, with its measure; bulk runs ask
// for one face record after record, so the last answer is kept.
struct KeptFace {
    std::optional<FaceChoices> asked;
    const SampleFace* face = nullptr;
    Measure measure;
};

const KeptFace& FaceFor(const BarOptions& choices) {
    thread_local KeptFace kept;
    const FaceChoices asked = FaceChoicesOf(choices);
    if (kept.asked != asked) {
        kept.face = FaceNamed(KeptSampleFaceName(choices));
        if (kept.face) Prepare(kept.measure, *kept.face);
        kept.asked = asked;
    }
    return kept;
}

bool IsEanOrUpc(Symbology symbology) {
    return symbology == Symbology::Ean || symbology == Symbology::Upc;
}

// The ISO standards of the linear symbologies recommend bars of at least 15 % of
// the symbol's width, quiet zones included, or a quarter inch, whichever is greater.
constexpr double LowestBarsWidthShare = 0.15;
constexpr double LowestBarsMm = 6.35;

// Fixed scanners find a symbol anywhere in their window only when its bars stand
// tall enough; PostNet keeps the heights of its own standard.
void AdviseBarHeight(SizeAdvice& advice, Symbology symbology, double barModules) {
    const double barMm = barModules * advice.XDimensionMm;
    if (IsEanOrUpc(symbology)) {
        if (barModules < EanUpcStandardBarModules)
            advice.StandardHeightPercent =
                static_cast<int>(100 * barModules / EanUpcStandardBarModules);
        return;
    }
    if (symbology == Symbology::PostNet) return;
    const double share = LowestBarsWidthShare * advice.WidthMm;
    const double lowest = std::max(share, LowestBarsMm);
    if (barMm >= lowest) return;
    advice.ShortOfWidthShare = share > LowestBarsMm;
    advice.ShortBarsBelowMm = lowest;
}

std::u16string Ascii(const char* text) {
    return {text, text + std::char_traits<char>::length(text)};
}

// `value` with `decimals` places, as printf's %.Nf writes it.
std::u16string Decimal(double value, int decimals) {
    char digits[32];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals)
            .ptr;
    return {digits, end};
}

} // namespace

double SymbolWidthModules(const SampleFace& face, std::u16string_view fontString) {
    const auto measure = std::make_unique<Measure>();
    Prepare(*measure, face);
    return WidthModules(*measure, fontString);
}

double SymbolWidthModules(const BarOptions& choices, std::u16string_view fontString) {
    const KeptFace& kept = FaceFor(choices);
    return kept.face ? WidthModules(kept.measure, fontString) : 0;
}

SizeAdvice AdviseSize(const BarOptions& choices, std::u16string_view fontString, int pointSize) {
    return AdviseSizeOfWidth(choices, SymbolWidthModules(choices, fontString), pointSize);
}

SizeAdvice AdviseSizeOfWidth(const BarOptions& choices, double widthModules, int pointSize) {
    SizeAdvice advice;
    const Symbology symbology = choices.symbology;
    const FaceGeometry geometry = GeometryOf(symbology);
    const double x = XDimensionMm(symbology, pointSize);
    advice.XDimensionMm = x;
    if (const SampleFace* face = FaceFor(choices).face) {
        advice.WidthMm = (widthModules + 2 * geometry.QuietZoneModules) * x;
        advice.HeightMm = FaceHeightEm(*face) / geometry.ModuleEm * x;
        AdviseBarHeight(advice, symbology, HeightsOf(*face).Bar);
    }
    if (IsEanOrUpc(symbology)) advice.MagnificationPercent = 100 * x / EanUpcNominalXmm;
    advice.TooSmall = x < geometry.MinXmm;
    advice.TooLarge = geometry.MaxXmm > 0 && x > geometry.MaxXmm;
    return advice;
}

std::u16string SizeWarning(const SizeAdvice& advice) {
    std::u16string warning;
    if (advice.TooSmall)
        warning = u"too small to scan reliably";
    else if (advice.TooLarge)
        warning = advice.MagnificationPercent ? u"above 200 %" : u"above the usual size";
    // Bulk runs write a warning for nearly every record: to_chars, not printf.
    std::u16string line;
    if (advice.StandardHeightPercent) {
        line =
            u"bars at " + Decimal(*advice.StandardHeightPercent, 0) + u" % of the standard height";
    } else if (advice.ShortBarsBelowMm && advice.ShortOfWidthShare) {
        // Rounded up, so that bars as tall as the figure said are tall enough.
        line = u"bars shorter than " + Decimal(std::ceil(*advice.ShortBarsBelowMm * 10) / 10, 1) +
               u" mm (15 % of the width)";
    } else if (advice.ShortBarsBelowMm) {
        line = u"bars shorter than " + Decimal(LowestBarsMm, 2) + u" mm";
    }
    if (!line.empty()) {
        if (!warning.empty()) warning += u"; ";
        warning += line + u": for hand-held scanners only";
    }
    return warning;
}

std::u16string SizeAdviceLine(const SizeAdvice& advice, std::u16string_view warning) {
    char line[160];
    std::snprintf(line, sizeof line, "%.1f mm wide, %.1f mm high, X %.2f mm", advice.WidthMm,
                  advice.HeightMm, advice.XDimensionMm);
    std::u16string text = Ascii(line);
    if (advice.MagnificationPercent) {
        std::snprintf(line, sizeof line, ", %.0f %%", *advice.MagnificationPercent);
        text += Ascii(line);
    }
    if (!warning.empty()) text.append(u": ").append(warning);
    return text;
}

} // namespace zindra
