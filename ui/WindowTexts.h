#pragma once

#include <string_view>

namespace zindra {

// Captions and hints that more than one handler writes.
inline constexpr std::u16string_view GeneralDataLabel =
    u"Enter the data to be converted into a bar code:";
inline constexpr std::u16string_view Gs1DataLabel =
    u"Enter the element strings, each AI in parentheses:";
inline constexpr std::u16string_view IsbnDataLabel = u"Enter the ISBN number:";
inline constexpr std::u16string_view UpcDataLabel = u"Enter the UPC number here:";
inline constexpr std::u16string_view BookPriceLabel = u"Book price:";
inline constexpr std::u16string_view BookPriceHint = u"Type in the book price data here";
inline constexpr std::u16string_view SupplementLabel = u"Supplemental code:";
inline constexpr std::u16string_view SupplementHint = u"Type in the supplemental data here";
// The Bookland price the window offers, and takes back when UPC needs the field.
inline constexpr std::u16string_view BooklandDefaultPrice = u"90000";

} // namespace zindra
