#include "engine/Gs1Linters.h"

#include "engine/Functions.h"

#include <algorithm>
#include <array>

namespace zindra {
namespace {

using Problem = std::optional<std::u16string>;

int Number(std::u16string_view digits) {
    int n = 0;
    for (char16_t c : digits)
        n = n * 10 + DigitValue(c);
    return n;
}

bool AllDigits(std::u16string_view s) {
    return std::all_of(s.begin(), s.end(), IsDigit);
}

// GS1 mod-10: weights 3 and 1 alternate from the digit before the check digit leftwards.
Problem CheckDigit(std::u16string_view v) {
    if (v.size() < 2 || !AllDigits(v)) return std::nullopt;
    int sum = 0;
    for (std::size_t i = 0; i + 1 < v.size(); ++i)
        sum += DigitValue(v[v.size() - 2 - i]) * (i % 2 == 0 ? 3 : 1);
    const char16_t expected = DigitChar(ModTenComplement(sum));
    if (v.back() == expected) return std::nullopt;
    return u"the check digit should be " + std::u16string(1, expected);
}

// days of each month of a leap year; February of other years is checked apart
constexpr std::array<int, 12> MonthDays = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Two-digit years are placed in the century GS1 gives them only to tell leap years,
// for which the century does not matter between 1901 and 2099.
bool IsDate(int year, int month, int day, bool dayMayBeZero) {
    if (month < 1 || month > 12) return false;
    if (day == 0) return dayMayBeZero;
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    const int days = month == 2 && !leap ? 28 : MonthDays[static_cast<std::size_t>(month - 1)];
    return day <= days;
}

Problem NotADate(std::u16string_view v, std::u16string_view form) {
    return u"\"" + std::u16string(v) + u"\" is not a date (" + std::u16string(form) + u")";
}

Problem ShortDate(std::u16string_view v, bool dayMayBeZero) {
    if (v.size() != 6 || !AllDigits(v)) return std::nullopt;
    if (IsDate(2000 + Number(v.substr(0, 2)), Number(v.substr(2, 2)), Number(v.substr(4, 2)),
               dayMayBeZero))
        return std::nullopt;
    return NotADate(v, dayMayBeZero ? u"YYMMDD, DD may be 00" : u"YYMMDD");
}

Problem LongDate(std::u16string_view v) {
    if (v.size() != 8 || !AllDigits(v)) return std::nullopt;
    if (IsDate(Number(v.substr(0, 4)), Number(v.substr(4, 2)), Number(v.substr(6, 2)), false))
        return std::nullopt;
    return NotADate(v, u"YYYYMMDD");
}

Problem Below(std::u16string_view v, int limit, std::u16string_view what) {
    if (!AllDigits(v) || Number(v) < limit) return std::nullopt;
    return u"\"" + std::u16string(v) + u"\" is not " + std::u16string(what);
}

Problem HoursMinutes(std::u16string_view v) {
    if (v.size() != 4 || !AllDigits(v)) return std::nullopt;
    if (Number(v.substr(0, 2)) < 24 && Number(v.substr(2, 2)) < 60) return std::nullopt;
    return u"\"" + std::u16string(v) + u"\" is not a time (HHMM)";
}

Problem NonZero(std::u16string_view v) {
    if (!AllDigits(v) || Number(v) != 0) return std::nullopt;
    return u"the value must not be zero";
}

Problem YesNo(std::u16string_view v) {
    if (v == u"0" || v == u"1") return std::nullopt;
    return u"the value should be 0 or 1";
}

struct Linter {
    std::string_view name;
    Problem (*check)(std::u16string_view);
};

// The dictionary's check routines that this program runs; the others name lists
// (countries, currencies, coupon layouts) that it does not carry.
constexpr std::array<Linter, 10> Linters{{
    {"csum", CheckDigit},
    {"yymmd0", [](std::u16string_view v) { return ShortDate(v, true); }},
    {"yymmdd", [](std::u16string_view v) { return ShortDate(v, false); }},
    {"yyyymmdd", LongDate},
    {"hhmi", HoursMinutes},
    {"hh", [](std::u16string_view v) { return Below(v, 24, u"an hour (HH)"); }},
    {"mi", [](std::u16string_view v) { return Below(v, 60, u"a minute (MI)"); }},
    {"ss", [](std::u16string_view v) { return Below(v, 60, u"a second (SS)"); }},
    {"nonzero", NonZero},
    {"yesno", YesNo},
}};

} // namespace

std::optional<std::u16string> Gs1LintProblem(std::string_view linter, std::u16string_view value) {
    const auto* found = std::find_if(Linters.begin(), Linters.end(),
                                     [linter](const Linter& l) { return l.name == linter; });
    return found == Linters.end() ? std::nullopt : found->check(value);
}

} // namespace zindra
