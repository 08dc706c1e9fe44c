#include "engine/EncodeRequest.h"

#include "engine/Bookland.h"
#include "engine/Codabar.h"
#include "engine/Code128.h"
#include "engine/Code128Auto.h"
#include "engine/Code39.h"
#include "engine/Code93.h"
#include "engine/Ean.h"
#include "engine/Functions.h"
#include "engine/Gs1128.h"
#include "engine/Interleaved25.h"
#include "engine/PostNet.h"
#include "engine/Scc.h"
#include "engine/Upc.h"

namespace zindra {
namespace {

constexpr char16_t NoDataMessage[] = u"Error, no data to bar code";
constexpr int PostNetSampleSize = 18;

RequestOutcome Dispatch(const BarOptions& o) {
    const std::u16string& data = o.DataText;
    switch (o.symbology) {
    case Symbology::Interleaved25:
        return {data, EncodeInterleaved25(data, o.fontType, o.OptionalChecksum, o.Option2)};
    case Symbology::Code39:
        return {data, EncodeCode39(data, o.Option2, o.OptionalChecksum)};
    case Symbology::Code93:
        return {data, EncodeCode93(data, o.DispSums)};
    case Symbology::Code128:
        if (o.VariantChoice == 6)
            return {data, EncodeCode128Auto(data, o.Option2, o.OptionalChecksum, o.DispSums)};
        if (o.VariantChoice == 7)
            return {data, EncodeGs1128(data, o.OptionalChecksum, o.fontType, o.DispSums)};
        if (o.VariantChoice == 4 || o.VariantChoice == 5)
            return {data, EncodeScc(data, o.VariantChoice, o.Option2, o.OptionalChecksum,
                                    o.fontType, o.DispSums)};
        return {data,
                EncodeCode128(data, o.VariantChoice, o.Option2, o.OptionalChecksum, o.DispSums)};
    case Symbology::Codabar:
        return {data, EncodeCodabar(data)};
    case Symbology::Ean:
        if (o.VariantChoice == 1) return {data, EncodeEan8(data)};
        if (o.VariantChoice == 2) return {data, EncodeEan13(data)};
        {
            BooklandOutcome bookland = EncodeBookland(data, o.Extra);
            return {std::move(bookland.CleanedData), std::move(bookland.Outcome)};
        }
    case Symbology::PostNet:
        return {data, EncodePostNet(data)};
    case Symbology::Upc:
        break;
    }
    if (o.fontType == FontType::Standard) return {data, EncodeUpcA(data, o.VariantChoice, o.Extra)};
    return {data, EncodeUpcE(data, o.VariantChoice, o.Extra)};
}

} // namespace

RequestOutcome EncodeRequest(const BarOptions& options) {
    if (options.DataText.empty()) return {options.DataText, EncodeError{NoDataMessage}};

    RequestOutcome outcome = Dispatch(options);
    auto* result = std::get_if<BarResult>(&outcome.Outcome);
    if (!result) return outcome;

    // The point size is read only after the data has encoded, so a data error
    // is always the one reported.
    if (options.symbology == Symbology::PostNet) {
        result->SampleSize = PostNetSampleSize;
        return outcome;
    }
    const std::optional<int> size = PointSizeValue(options.PointSize);
    if (!size) {
        outcome.Outcome = EncodeError{PointSizeMessage};
        return outcome;
    }
    result->SampleSize = *size;
    return outcome;
}

} // namespace zindra
