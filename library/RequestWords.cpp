#include "library/RequestWords.h"

#include <array>
#include <charconv>

namespace zindra {
namespace {

template <typename Value> struct Word {
    std::string_view name;
    Value value;
};

// Symbology names, in the order of the symbology buttons.
constexpr std::array SymbologyWords{
    Word<Symbology>{"i25", Symbology::Interleaved25},
    Word<Symbology>{"code39", Symbology::Code39},
    Word<Symbology>{"code93", Symbology::Code93},
    Word<Symbology>{"code128", Symbology::Code128},
    Word<Symbology>{"codabar", Symbology::Codabar},
    Word<Symbology>{"ean", Symbology::Ean},
    Word<Symbology>{"postnet", Symbology::PostNet},
    Word<Symbology>{"upc", Symbology::Upc},
};

// Font types; under UPC "standard" is UPC-A and "human" UPC-E.
constexpr std::array FontTypeWords{
    Word<FontType>{"standard", FontType::Standard},
    Word<FontType>{"human", FontType::HumanReadable},
    Word<FontType>{"itf14", FontType::Itf14},
};

constexpr std::string_view SizeLetters = "ABCDEF";
constexpr int FirstVariant = 1;
constexpr int LastVariant = 7;

// The variants that have a name besides their number.
constexpr std::array VariantWords{
    Word<int>{"auto", 6},
    Word<int>{"gs1", 7},
};

template <typename Value, std::size_t N>
std::optional<Value> Lookup(const std::array<Word<Value>, N>& words, std::string_view name) {
    for (const auto& word : words)
        if (word.name == name) return word.value;
    return std::nullopt;
}

template <typename Value, std::size_t N>
std::string Unknown(std::string_view what, std::string_view name,
                    const std::array<Word<Value>, N>& words) {
    std::string message = "unknown " + std::string(what) + " \"" + std::string(name) + "\" (";
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) message += " | ";
        message += words[i].name;
    }
    return message + ")";
}

template <typename Value, std::size_t N>
std::optional<std::string_view> WordOf(const std::array<Word<Value>, N>& words, int value) {
    for (const auto& word : words)
        if (static_cast<int>(word.value) == value) return word.name;
    return std::nullopt;
}

} // namespace

std::optional<Symbology> ReadSymbology(std::string_view word) {
    return Lookup(SymbologyWords, word);
}

std::optional<FontType> ReadFontType(std::string_view word) {
    return Lookup(FontTypeWords, word);
}

std::optional<char> ReadSizeLetter(std::string_view word) {
    if (word.size() != 1 || SizeLetters.find(word[0]) == std::string_view::npos)
        return std::nullopt;
    return word[0];
}

bool IsVariant(long long number) {
    return number >= FirstVariant && number <= LastVariant;
}

std::optional<int> ReadVariant(std::string_view word) {
    if (const auto named = Lookup(VariantWords, word)) return named;
    int number = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (error != std::errc{} || end != word.data() + word.size() || !IsVariant(number))
        return std::nullopt;
    return number;
}

std::optional<std::string_view> SymbologyWord(int symbology) {
    return WordOf(SymbologyWords, symbology);
}

std::optional<std::string_view> FontTypeWord(int fontType) {
    return WordOf(FontTypeWords, fontType);
}

std::string SymbologyError(std::string_view word) {
    return Unknown("symbology", word, SymbologyWords);
}

std::string FontTypeError(std::string_view word) {
    return Unknown("font type", word, FontTypeWords);
}

std::string SizeLetterError(std::string_view word) {
    return "unknown size \"" + std::string(word) + "\" (one letter A to F)";
}

std::string VariantError() {
    return "the variant must be a whole number from 1 to 7";
}

} // namespace zindra
