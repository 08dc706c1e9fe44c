#include "engine/Bookland.h"

#include "engine/AddOn.h"
#include "engine/Ean.h"
#include "engine/EanUpcDigits.h"
#include "engine/EanUpcSets.h"
#include "engine/Functions.h"

#include <string>
#include <variant>

namespace zindra {
namespace {

// the GS1 prefixes of books (GS1's own standard)
constexpr std::u16string_view BooklandPrefix = u"978";
constexpr std::u16string_view BooklandPrefixNew = u"979";
constexpr std::size_t Isbn13Length = 13;
constexpr std::size_t Isbn10Length = 10;
constexpr std::size_t Isbn10DataLength = 9;
// The word printed before the number on a book; typed with it, it is no letter to refuse.
constexpr std::u16string_view IsbnLabel = u"ISBN";
// The ISBN-10 check character that stands for 10.
constexpr char16_t Isbn10Ten = u'X';
constexpr int Isbn10Modulus = 11;

constexpr char16_t CheckDigitMessage[] = u"The ISBN check digit is not correct";
constexpr char16_t LetterMessage[] = u"The ISBN number may hold no letter but a final X";

bool IsAsciiLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

char16_t Upper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

// The data after blanks and a leading "ISBN" label in any case.
std::u16string_view WithoutLabel(std::u16string_view data) {
    while (!data.empty() && data.front() == u' ')
        data.remove_prefix(1);
    if (data.size() < IsbnLabel.size()) return data;
    for (std::size_t i = 0; i < IsbnLabel.size(); ++i)
        if (Upper(data[i]) != IsbnLabel[i]) return data;
    return data.substr(IsbnLabel.size());
}

// Where the ISBN-10 check character "X" stands: the last letter, with no
// digit or letter after it. Any other letter is a typing error that cleaning
// would hide, turning the number into another book's.
struct Letters {
    bool stray = false;  // a letter that cannot be the check character
    bool finalX = false; // an "X" after every digit
};

Letters FindLetters(std::u16string_view data) {
    Letters found;
    bool afterX = false;
    for (char16_t c : WithoutLabel(data)) {
        if (IsDigit(c) || IsAsciiLetter(c)) {
            found.stray = found.stray || afterX || (IsAsciiLetter(c) && Upper(c) != Isbn10Ten);
            afterX = Upper(c) == Isbn10Ten;
        }
    }
    found.finalX = afterX;
    return found;
}

// The ISBN-10 check value of 9 digits: weights 10 down to 2, mod 11.
int Isbn10Check(std::u16string_view nineDigits) {
    int sum = 0;
    for (std::size_t i = 0; i < nineDigits.size(); ++i)
        sum += DigitValue(nineDigits[i]) * static_cast<int>(Isbn10Length - i);
    return (Isbn10Modulus - sum % Isbn10Modulus) % Isbn10Modulus;
}

// The 12 EAN-13 data digits of a cleaned ISBN; a typed check digit (or "X")
// must be the ISBN's own, and the EAN-13 one is computed afresh.
std::variant<std::u16string, EncodeError> BooklandDigits(std::u16string_view isbn,
                                                         const Letters& letters) {
    if (isbn.size() == Isbn13Length) {
        constexpr char16_t PrefixMessage[] = u"13 digit ISBN numbers must start with 978 or 979";
        const std::u16string_view prefix = isbn.substr(0, BooklandPrefix.size());
        if (prefix != BooklandPrefix && prefix != BooklandPrefixNew)
            return EncodeError{PrefixMessage};
    } else {
        constexpr char16_t LengthMessage[] = u"The ISBN number must be 9, 10, or 13 digits long";
        if (isbn.size() != Isbn10DataLength && isbn.size() != Isbn10Length)
            return EncodeError{LengthMessage};
    }
    // "X" stands only for the check value of nine digits.
    if (letters.stray || (letters.finalX && isbn.size() != Isbn10DataLength))
        return EncodeError{LetterMessage};

    if (isbn.size() == Isbn13Length) {
        const std::u16string_view data = isbn.substr(0, Ean13DataLength);
        if (auto error = WrongTypedCheck(isbn, Ean13DataLength, EanCheckDigit(data, Ean13OddWeight),
                                         CheckDigitMessage))
            return *error;
        return std::u16string(data);
    }
    const std::u16string_view data = isbn.substr(0, Isbn10DataLength);
    const bool typedCheck = isbn.size() == Isbn10Length || letters.finalX;
    const int typed = letters.finalX ? Isbn10Modulus - 1 : DigitValue(isbn.back());
    if (typedCheck && Isbn10Check(data) != typed) return EncodeError{CheckDigitMessage};
    return std::u16string(BooklandPrefix) + std::u16string(data);
}

EncodeOutcome EncodeCleaned(std::u16string_view isbn, const Letters& letters,
                            std::u16string_view price) {
    auto digits = BooklandDigits(isbn, letters);
    if (auto* error = std::get_if<EncodeError>(&digits)) return *error;

    constexpr DigitMessages PriceMessages{u"The price field must be 5 digits long",
                                          u"Price must be all digits"};
    auto addOn = EncodeAddOn5(price, PriceMessages);
    if (auto* error = std::get_if<EncodeError>(&addOn)) return *error;

    return SymbolResult(Ean13Symbol(std::get<std::u16string>(digits)) +
                        std::get<std::u16string>(addOn));
}

} // namespace

BooklandOutcome EncodeBookland(std::u16string_view data, std::u16string_view extra) {
    // Cleaned whatever its length: every separator and the ISBN-10 "X" go,
    // and the user sees the bare digits even when a check then fails.
    std::u16string cleaned = KeepDigits(data);
    EncodeOutcome outcome = EncodeCleaned(cleaned, FindLetters(data), extra);
    return {std::move(cleaned), std::move(outcome)};
}

} // namespace zindra
