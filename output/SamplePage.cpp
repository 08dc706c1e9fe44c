#include "output/SamplePage.h"

#include "engine/Functions.h"
#include "faces/FaceGeometry.h"
#include "faces/SampleFaceName.h"
#include "output/SampleTitle.h"
#include "product/Maker.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zindra {
namespace {

constexpr char TextFace[] = "Arial";
constexpr int GridPointSize = 12; // the canvas font the units are taken from
constexpr int HeaderColumn = 5;
constexpr int BarCodeColumn = 15;
constexpr int DescriptionRow = 12;
constexpr int FontStringRow = 13;
constexpr int CaptionSize = 10;

// One ladder of point sizes and the rows each step takes.
struct Ladder {
    int firstSize;
    int sizeStep;
    int steps;
    std::array<int, 6> rowAdvance;
};

constexpr Ladder PostNetLadder = {18, 0, 1, {0}};
constexpr Ladder UpcLadder = {40, 4, 6, {4, 4, 4, 5, 5, 5}};
constexpr Ladder CommonLadder = {16, 4, 6, {2, 2, 3, 3, 4, 4}};

// Where the SCC-14 / SSCC-18 / GS1-128 human-readable line sits on each step of the
// common ladder: its size and its column offset from the end of the string.
constexpr std::array<int, 6> HumanTextSize = {4, 5, 7, 8, 9, 10}; // (28k + 112) / 24
constexpr std::array<int, 6> HumanTextShift = {-3, -1, 1, 3, 5, 8};

// The platform's MulDiv for positive operands: a * b / c rounded to nearest.
int MulDiv(int a, int b, int c) {
    return static_cast<int>((static_cast<long long>(a) * b + c / 2) / c);
}

const Ladder& LadderFor(Symbology symbology) {
    if (symbology == Symbology::PostNet) return PostNetLadder;
    if (symbology == Symbology::Upc) return UpcLadder;
    return CommonLadder;
}

// The check-character box means a check character, and is shown, only for these.
bool AddsCheckCharacter(const BarOptions& choices) {
    switch (choices.symbology) {
    case Symbology::Interleaved25:
        return choices.fontType != FontType::Itf14;
    case Symbology::Code39:
        return true;
    default:
        return false;
    }
}

// SCC-14, SSCC-18 and GS1-128: their faces draw no text, so the page sets the
// element strings under the bars itself.
bool ShowsHumanText(const BarOptions& choices) {
    return choices.symbology == Symbology::Code128 && choices.fontType == FontType::HumanReadable &&
           (choices.VariantChoice == 4 || choices.VariantChoice == 5 || choices.VariantChoice == 7);
}

class PageWriter {
  public:
    explicit PageWriter(const PageGrid& grid) : grid_(grid) {}

    void Text(int column, int row, std::string face, int size, std::u16string text) {
        At(column * grid_.ColumnUnit, row * grid_.RowUnit, std::move(face), size, std::move(text));
    }
    void At(int x, int y, std::string face, int size, std::u16string text) {
        texts_.push_back({x, y, std::move(face), size, std::move(text)});
    }
    void Arial(int row, int size, std::u16string text) {
        Text(HeaderColumn, row, TextFace, size, std::move(text));
    }
    std::vector<PageText> Take() { return std::move(texts_); }

  private:
    PageGrid grid_;
    std::vector<PageText> texts_;
};

void WriteHeader(PageWriter& page) {
    page.Arial(2, 24, Maker.CompanyName);
    std::u16string address;
    for (const char16_t* part :
         {Maker.Street, Maker.Unit, Maker.City, Maker.State, Maker.PostalCode})
        address += (address.empty() ? u"" : u", ") + std::u16string(part);
    page.Arial(4, 14, address);
    page.Arial(5, 12, std::u16string(u"Phone: ") + Maker.Phone + u"    Fax: " + Maker.Fax);
    page.Arial(6, 12, Maker.WebAddress);
}

// How far the bars of `face` reach down from the top of their line at `size`
// points, in dots; 0 for a face the table does not know.
int InkDepth(const std::string& face, int size, int dotsPerInch) {
    for (const SampleFace& known : AllSampleFaces())
        if (known.Name == face)
            return static_cast<int>(std::ceil(FaceHeightEm(known) * size * dotsPerInch / 72.0));
    return 0;
}

// How far a line of the text face reaches down from its top at `size` points, in
// dots: its ascent and descent are 1.117 em, and a little more is kept for rounding.
int TextDepth(int size, int dotsPerInch) {
    return static_cast<int>(std::ceil(1.15 * size * dotsPerInch / 72.0));
}

// The human-readable line stands one row under the top of the bar code, unless the
// bars reach further down and it would cross them: then it moves down only as far as
// the foot of the bars and a gap of a tenth of a row.
int HumanTextY(const SamplePageInput& input, const PageGrid& grid, int top, int size) {
    const int foot = top + InkDepth(input.FaceName, size, grid.DotsPerInchY) + grid.RowUnit / 10;
    return std::max(top + grid.RowUnit, foot);
}

} // namespace

SamplePageInput SamplePageInputOf(const BarOptions& choices, std::u16string_view fontString,
                                  std::u16string_view sumsText, std::u16string humanText) {
    SamplePageInput input;
    input.Choices = choices;
    const std::size_t blank = std::min(sumsText.find(u' '), sumsText.size());
    input.FontString = std::u16string(fontString) + std::u16string(sumsText.substr(0, blank));
    const std::size_t text = std::min(sumsText.find_first_not_of(u' ', blank), sumsText.size());
    input.SumsText = sumsText.substr(text);
    input.FaceName = SampleFaceName(choices);
    input.HumanText = std::move(humanText);
    return input;
}

PageGrid SamplePageGrid(int dotsPerInchX, int dotsPerInchY) {
    const int lineHeight = MulDiv(GridPointSize, dotsPerInchY, 72);
    return {lineHeight * 6 / 5, dotsPerInchX / 10, dotsPerInchY};
}

std::vector<PageText> LayoutSamplePage(const SamplePageInput& input, const PageGrid& grid,
                                       const SampleFit& fit) {
    const BarOptions& choices = input.Choices;
    PageWriter page(grid);
    WriteHeader(page);
    page.Arial(DescriptionRow, 12,
               SampleTitle(choices) + u",  Data: " + choices.DataText + u"    Typeface: " +
                   AsciiToU16(input.FaceName));

    int row = FontStringRow;
    if (choices.OptionalChecksum && AddsCheckCharacter(choices))
        page.Arial(row++, 12, u"Includes checksum");
    page.Arial(row, 12, u"String to use with bar code fonts: " + input.FontString);
    // The sums are for reading, not for scanning: in text, in the row left blank
    // before the ladder.
    if (!input.SumsText.empty()) page.Arial(row + 1, CaptionSize, input.SumsText);
    row += 2;

    const Ladder& ladder = LadderFor(choices.symbology);
    const int length = static_cast<int>(input.FontString.size());
    const int dpi = grid.DotsPerInchY;
    const int gap = grid.RowUnit / 10;
    const int barCodeX = BarCodeColumn * grid.ColumnUnit;
    int top = row * grid.RowUnit;
    for (int k = 0; k < ladder.steps; ++k) {
        const int size = ladder.firstSize + ladder.sizeStep * k;
        const int noteFoot = top + TextDepth(CaptionSize, dpi);
        int foot = top + InkDepth(input.FaceName, size, dpi);
        const int humanY = HumanTextY(input, grid, top, size);
        if (ShowsHumanText(choices))
            foot = std::max(foot, humanY + TextDepth(HumanTextSize[k], dpi));
        const bool tooTall = foot > fit.PrintableHeight;
        if (tooTall && noteFoot > fit.PrintableHeight) break;
        page.At(HeaderColumn * grid.ColumnUnit, top, TextFace, CaptionSize,
                ToU16(size) + u" points:");
        if (fit.BarCodeWidth && barCodeX + fit.BarCodeWidth(size) > fit.PrintableWidth) {
            page.At(barCodeX, top, TextFace, CaptionSize, TooWideNote);
            foot = noteFoot;
        } else if (tooTall) {
            page.At(barCodeX, top, TextFace, CaptionSize, TooTallNote);
            break;
        } else {
            page.At(barCodeX, top, input.FaceName, size, input.FontString);
            if (ShowsHumanText(choices))
                page.At((length + BarCodeColumn + HumanTextShift[k]) * grid.ColumnUnit, humanY,
                        TextFace, HumanTextSize[k], input.HumanText);
        }
        top = std::max(top + ladder.rowAdvance[k] * grid.RowUnit, foot + gap);
    }
    return page.Take();
}

} // namespace zindra
