#include "ui/SpecialCharacters.h"

#include <algorithm>
#include <array>

namespace zindra {
namespace {

constexpr std::u16string_view NotInSubsetA = u"Error, not a legal character in subset A";
constexpr std::u16string_view NotInSubsetB = u"Error, not a legal character in subset B";
constexpr std::u16string_view NotInSubsetC = u"Error, not a legal character in subset C";
constexpr std::u16string_view NoSwitchToA = u"Error, this program can't switch to code A";
constexpr std::u16string_view NoSwitchToB = u"Error, this program can't switch to code B";
constexpr std::u16string_view NotInAuto = u"Error, not a special character of Code 128";
constexpr std::u16string_view AutoSwitches = u"Error, Auto chooses the subsets itself";

// One subset's answer to an item: a character, or a refusal.
struct Cell {
    char16_t character;
    std::u16string_view refusal;
};

constexpr Cell Code(char16_t character) {
    return {character, {}};
}
constexpr Cell Refused(std::u16string_view message) {
    return {0, message};
}

struct Row {
    std::u16string_view item;
    Cell a, b, c, automatic;
};

// The characters the Code 128 encoding reads as each symbol: 199 to 205 are
// the function and switch symbols, and in subset A the grave accent and the
// lower-case letters are the control characters NUL to SUB and on to ESC
// ("{", code 27 + 96). Subset C holds digit pairs only. Auto reads the data
// as text: the controls are themselves, the function characters those of
// subset A, and it picks the subsets on its own.
constexpr std::array<Row, 14> Rows{{
    {u"FNC1", Code(205), Code(205), Refused(NotInSubsetC), Code(205)},
    {u"FNC2", Code(200), Code(200), Refused(NotInSubsetC), Code(200)},
    {u"FNC3", Code(199), Code(199), Refused(NotInSubsetC), Code(199)},
    {u"FNC4", Code(204), Code(203), Refused(NotInSubsetC), Code(204)},
    {u"CodeA", Refused(NotInSubsetA), Code(204), Refused(NoSwitchToA), Refused(AutoSwitches)},
    {u"CodeB", Code(203), Refused(NotInSubsetB), Refused(NoSwitchToB), Refused(AutoSwitches)},
    {u"CodeC", Code(202), Code(202), Refused(NotInSubsetC), Refused(AutoSwitches)},
    {u"Null", Code(96), Refused(NotInSubsetB), Refused(NotInSubsetC), Code(0)},
    {u"Bell", Code(103), Refused(NotInSubsetB), Refused(NotInSubsetC), Code(7)},
    {u"Tab", Code(105), Refused(NotInSubsetB), Refused(NotInSubsetC), Code(9)},
    {u"Line Feed", Code(106), Refused(NotInSubsetB), Refused(NotInSubsetC), Code(10)},
    {u"Form Feed", Code(108), Refused(NotInSubsetB), Refused(NotInSubsetC), Code(12)},
    {u"Carriage Return", Code(109), Refused(NotInSubsetB), Refused(NotInSubsetC), Code(13)},
    {u"Escape", Code(123), Refused(NotInSubsetB), Refused(NotInSubsetC), Code(27)},
}};

// The letters whose control character subset A can carry: Ctrl-G, I, J, L,
// M and O are not offered.
constexpr std::u16string_view ControlLetters = u"ABCDEFHKNPQRSTUVWXYZ";

constexpr std::u16string_view ControlPrefix = u"Ct";
constexpr std::size_t ControlLetterAt = 5; // "Ctrl-X": the sixth character

constexpr Insertion Appends(char16_t character) {
    return {Insertion::Kind::Append, character, {}};
}
constexpr Insertion Refuses(std::u16string_view message) {
    return {Insertion::Kind::Refuse, 0, message};
}
constexpr Insertion AppendsNothing{Insertion::Kind::Nothing, 0, {}};

Insertion FromCell(const Cell& cell) {
    return cell.refusal.empty() ? Appends(cell.character) : Refuses(cell.refusal);
}

// A typed "Ctrl-" item in subset A (the letter in lower case) or Auto (the
// control code itself). A text too short to hold the letter appends nothing
// rather than reading past its end.
Insertion ControlLetter(std::u16string_view item, char16_t codeOfA, std::u16string_view refusal) {
    if (!ControlPrefix.starts_with(item.substr(0, ControlPrefix.size()))) return Refuses(refusal);
    if (item.size() <= ControlLetterAt) return AppendsNothing;
    const char16_t letter = item[ControlLetterAt];
    if (ControlLetters.find(letter) == std::u16string_view::npos) return AppendsNothing;
    return Appends(static_cast<char16_t>(letter - u'A' + codeOfA));
}

} // namespace

Insertion SpecialCharacterFor(Subset subset, std::u16string_view item) {
    const auto row =
        std::find_if(Rows.begin(), Rows.end(), [item](const Row& r) { return r.item == item; });
    if (row != Rows.end()) {
        switch (subset) {
        case Subset::A:
            return FromCell(row->a);
        case Subset::B:
            return FromCell(row->b);
        case Subset::C:
            return FromCell(row->c);
        case Subset::Auto:
            return FromCell(row->automatic);
        }
    }
    switch (subset) {
    case Subset::A:
        return ControlLetter(item, u'a', NotInSubsetA);
    case Subset::Auto:
        return ControlLetter(item, 1, NotInAuto);
    case Subset::B:
        return Refuses(NotInSubsetB);
    case Subset::C:
        return Refuses(NotInSubsetC);
    }
    return AppendsNothing;
}

} // namespace zindra
