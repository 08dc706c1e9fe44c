#include "cli/RecordData.h"

namespace zindra::cli {
namespace {

bool DigitsOnly(Symbology symbology) {
    switch (symbology) {
    case Symbology::Interleaved25:
    case Symbology::Ean:
    case Symbology::PostNet:
    case Symbology::Upc:
        return true;
    default:
        return false;
    }
}

constexpr std::string_view Blanks = " \t";

} // namespace

std::string_view RecordData(std::string_view field, Symbology symbology) {
    return DigitsOnly(symbology) ? WithoutBlanks(field) : field;
}

std::string_view WithoutBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) return text.substr(0, 0);
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

} // namespace zindra::cli
