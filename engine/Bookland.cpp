#include "engine/Bookland.h"

#include "engine/AddOn.h"
#include "engine/Ean.h"
#include "engine/Functions.h"

#include <string>
#include <variant>

namespace zindra {
namespace {

constexpr std::u16string_view BooklandPrefix = u"978";
constexpr std::u16string_view BooklandPrefixNew = u"979";
constexpr std::size_t Isbn13Length = 13;
constexpr std::size_t Isbn10Length = 10;
constexpr std::size_t Isbn10DataLength = 9;
constexpr std::size_t Ean13DataLength = 12;
constexpr std::size_t PriceLength = 5;

// The 12 EAN-13 data digits of a cleaned ISBN; any check digit typed with the
// ISBN is dropped because the EAN-13 one is computed afresh.
std::variant<std::u16string, EncodeError> BooklandDigits(std::u16string_view isbn) {
    if (isbn.size() == Isbn13Length) {
        constexpr char16_t PrefixMessage[] = u"13 digit ISBN numbers must start with 978 or 979";
        const std::u16string_view prefix = isbn.substr(0, BooklandPrefix.size());
        if (prefix != BooklandPrefix && prefix != BooklandPrefixNew)
            return EncodeError{PrefixMessage};
        return std::u16string(isbn.substr(0, Ean13DataLength));
    }
    constexpr char16_t LengthMessage[] = u"The ISBN number must be 9, 10, or 13 digits long";
    if (isbn.size() != Isbn10DataLength && isbn.size() != Isbn10Length)
        return EncodeError{LengthMessage};
    return std::u16string(BooklandPrefix) + std::u16string(isbn.substr(0, Isbn10DataLength));
}

EncodeOutcome EncodeCleaned(std::u16string_view isbn, std::u16string_view price) {
    auto digits = BooklandDigits(isbn);
    if (auto* error = std::get_if<EncodeError>(&digits)) return *error;

    constexpr char16_t PriceLengthMessage[] = u"The price field must be 5 digits long";
    if (price.size() != PriceLength) return EncodeError{PriceLengthMessage};

    constexpr char16_t PriceDigitsMessage[] = u"Price must be all digits";
    auto addOn = EncodeAddOn5(price, PriceDigitsMessage);
    if (auto* error = std::get_if<EncodeError>(&addOn)) return *error;

    return SymbolResult(Ean13Symbol(std::get<std::u16string>(digits)) +
                        std::get<std::u16string>(addOn));
}

} // namespace

BooklandOutcome EncodeBookland(std::u16string_view data, std::u16string_view extra) {
    // Cleaned whatever its length: every separator and the ISBN-10 "X" go,
    // and the user sees the bare digits even when a check then fails.
    std::u16string cleaned = KeepDigits(data);
    EncodeOutcome outcome = EncodeCleaned(cleaned, extra);
    return {std::move(cleaned), std::move(outcome)};
}

} // namespace zindra
