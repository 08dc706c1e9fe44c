#include "engine/PointSize.h"
#include "faces/MadeWarning.h"
#include "faces/SampleFaceName.h"
#include "library/client/LibraryClient.h"
#include "ui/MainWindowModel.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zindra {
namespace {

using enum ControlId;

constexpr std::array<std::pair<ControlId, char>, 5> SizeLetters{
    {{FontA, 'A'}, {FontB, 'B'}, {FontC, 'C'}, {FontD, 'D'}, {FontE, 'E'}}};

// The human-readable line of SCC-14 and SSCC-18 is set in Arial at 7/24 of
// the bar code's size; tiny sizes would round to nothing.
constexpr int HumanLineSize(int pointSize) {
    return std::max(1, pointSize * 7 / 24);
}

} // namespace

Symbology MainWindowModel::CurrentSymbology() const {
    for (const SymbologyButton& row : SymbologyButtons)
        if (Checked(row.button)) return row.symbology;
    return FallbackSymbology.symbology;
}

BarOptions MainWindowModel::ReadOptions() const {
    BarOptions options;
    options.DataText = Text(BarTextInput);
    options.symbology = CurrentSymbology();
    // GB3b1 to GB3b7 are VariantChoice 1 to 7, the order the group lists them.
    const std::span<const ControlId> variants = RadioGroupOf(GB3b1);
    const auto variant =
        std::ranges::find_if(variants, [this](ControlId id) { return Checked(id); });
    options.VariantChoice = variant == variants.end()
                                ? code128_variant::Sscc18
                                : static_cast<int>(variant - variants.begin()) + 1;
    options.fontType = Checked(Type1)   ? FontType::Standard
                       : Checked(Type2) ? FontType::HumanReadable
                                        : FontType::Itf14;
    const auto letter = std::find_if(SizeLetters.begin(), SizeLetters.end(),
                                     [this](const auto& size) { return Checked(size.first); });
    options.FontSize = letter == SizeLetters.end() ? 'F' : letter->second;
    options.OptionalChecksum = Checked(OptionalChecksum);
    options.Option2 = Checked(Option2);
    options.DispSums = Checked(DispSums);
    options.PointSize = Text(PointSize);
    options.Extra = Text(Extra);
    return options;
}

void MainWindowModel::MakeButtonClickClick() {
    SetFocus(BarTextInput);
    const LibraryResult outcome(ReadOptions());
    // Bookland hands back its data cleaned of everything but digits.
    const std::u16string dataText = outcome.DataText();
    if (dataText != Text(BarTextInput)) SetText(BarTextInput, dataText);
    const std::optional<BarResult> made = outcome.Made();
    if (!made) {
        ShowEncodeError(outcome.Error());
        return;
    }
    ShowBarResult(*made);
    SetFocus(BarTextInput);
}

void MainWindowModel::ShowBarResult(const BarResult& result) {
    const BarOptions options = ReadOptions();
    BarCodeOut.SetWholeFont({SampleFaceName(options), result.SampleSize});
    if (result.OutputTextSize) BarTextOutSize = result.OutputTextSize;
    SetText(BarTextOut, result.BarTextOut());
    BarCodeOut.SetText(result.SampleText);
    StyleSecondLine(result.SampleSize);
    if (options.symbology == Symbology::Code128 &&
        options.VariantChoice >= code128_variant::SubsetC)
        HumanText = result.HumanText;
    MadeFlag = MadeResult{.Data = Text(BarTextInput),
                          .FontString = result.FontString,
                          .Sums = result.SumsText,
                          .EncodingWarning = result.Warning};
}

std::u16string MainWindowModel::SizeAdviceText() const {
    if (!MadeFlag) return {};
    const std::optional<int> size = PointSizeValue(Text(PointSize));
    if (!size) return {};
    const BarOptions options = ReadOptions();
    const SizeAdvice advice = AdviseSize(options, MadeFlag->FontString, *size);
    std::u16string line =
        SizeAdviceLine(advice, MadeWarning(options, advice, *size, MadeFlag->EncodingWarning));
    // Subset A reads "`" to "~" as NUL to US: typed lower case is made, but not as text.
    const bool lowerCase = std::any_of(MadeFlag->Data.begin(), MadeFlag->Data.end(),
                                       [](char16_t c) { return c >= u'a' && c <= u'z'; });
    if (options.symbology == Symbology::Code128 &&
        options.VariantChoice == code128_variant::SubsetA && lowerCase)
        line += u"; lower-case letters are control characters in subset A";
    return line;
}

// Only SCC-14 and SSCC-18 with human-readable text put a second line into
// the sample.
void MainWindowModel::StyleSecondLine(int pointSize) {
    const std::size_t lineFeed = BarCodeOut.Text().find(u'\n');
    if (lineFeed == std::u16string::npos) return;
    BarCodeOut.Select(static_cast<int>(lineFeed),
                      static_cast<int>(BarCodeOut.Text().size() - lineFeed));
    BarCodeOut.SetSelectionFace("Arial");
    BarCodeOut.SetSelectionSize(HumanLineSize(pointSize));
}

void MainWindowModel::ShowEncodeError(std::u16string_view message) {
    SetText(BarTextOut, message);
    BarCodeOut.SetText(u"");
    platform.Beep();
    MadeFlag.reset();
    SetFocus(BarTextInput);
}

} // namespace zindra
