#include "library/TypedRequest.h"

#include "engine/Utf8.h"
#include "faces/WindowChoices.h"
#include "library/RequestWords.h"

#include <cstring>
#include <optional>

namespace zindra {
namespace {

static_assert(ZINDRA_I25 == static_cast<int>(Symbology::Interleaved25) &&
              ZINDRA_UPC == static_cast<int>(Symbology::Upc));
static_assert(ZINDRA_STANDARD == static_cast<int>(FontType::Standard) &&
              ZINDRA_ITF14 == static_cast<int>(FontType::Itf14));

using Complaint = std::optional<std::string>;

Complaint Text(const char* text, std::size_t length, std::string_view key, std::u16string& into) {
    if (!text) {
        into.clear();
        return std::nullopt;
    }
    if (!DecodeUtf8(std::string_view(text, length ? length : std::strlen(text)), into))
        return "invalid UTF-8 in \"" + std::string(key) + "\"";
    return std::nullopt;
}

} // namespace

std::optional<std::string> ReadOptions(const zindra_request& request, BarOptions& options) {
    if (!SymbologyWord(request.symbology))
        return std::string("\"symbology\" is not a zindra_symbology");
    options.symbology = static_cast<Symbology>(request.symbology);
    if (!IsVariant(request.variant)) return VariantError();
    options.VariantChoice = request.variant;
    if (!FontTypeWord(request.font_type))
        return std::string("\"font_type\" is not a zindra_font_type");
    options.fontType = static_cast<FontType>(request.font_type);
    const char size[] = {request.size, '\0'};
    if (!ReadSizeLetter(size)) return SizeLetterError(size);
    options.FontSize = request.size;
    options.OptionalChecksum = request.checksum != 0;
    options.Option2 = request.option2 != 0;
    options.DispSums = request.sums != 0;
    if (Complaint complaint = Text(request.data, request.data_length, "data", options.DataText))
        return complaint;
    if (Complaint complaint = Text(request.point_size, 0, "point_size", options.PointSize))
        return complaint;
    if (Complaint complaint = Text(request.extra, request.extra_length, "extra", options.Extra))
        return complaint;
    TakeWindowChoices(options, request.point_size != nullptr);
    return std::nullopt;
}

std::variant<BarOptions, std::string> OptionsOf(const zindra_request& request) {
    BarOptions options;
    if (auto why = ReadOptions(request, options)) return *std::move(why);
    return options;
}

} // namespace zindra
