#include "cli/Csv.h"

#include <array>

namespace zindra::cli {
namespace {

constexpr std::string_view TextAfterQuote = "text after a closing quote";
constexpr std::string_view UnclosedQuote = "a quoted field is not closed at the end of the input";

bool IsLineBreak(char c) {
    return c == '\n' || c == '\r';
}

// Characters that matter inside a field, by byte: a comma or a line break
// ends an unquoted field, and those and a quote make a written field need
// quotes. Bulk runs test every byte of every field against this.
enum CharClass : unsigned char { Plain, Quote, Ends };

constexpr std::array<CharClass, 256> CharClasses = [] {
    std::array<CharClass, 256> classes{};
    classes[static_cast<unsigned char>('"')] = Quote;
    for (char c : {',', '\r', '\n'})
        classes[static_cast<unsigned char>(c)] = Ends;
    return classes;
}();

CharClass ClassOf(char c) {
    return CharClasses[static_cast<unsigned char>(c)];
}

bool NeedsQuotes(std::string_view field) {
    for (char c : field)
        if (ClassOf(c) != Plain) return true;
    return false;
}

} // namespace

void CsvReader::StartField() {
    if (count_ == fields_.size())
        fields_.emplace_back();
    else
        fields_[count_].clear();
    ++count_;
}

void CsvReader::EndRecord(std::string_view error) {
    onRecord_(CsvRecord{std::span<const std::string>(fields_.data(), count_), error});
    count_ = 0;
}

void CsvReader::Step(char c) {
    switch (state_) {
    case State::AfterCr:
        state_ = State::RecordStart;
        if (c == '\n') return; // the LF of a CRLF
        [[fallthrough]];
    case State::RecordStart:
    case State::FieldStart:
        StartField();
        if (c == '"') {
            state_ = State::Quoted;
            return;
        }
        state_ = State::Unquoted;
        [[fallthrough]];
    case State::Unquoted:
        if (c == ',') {
            state_ = State::FieldStart;
        } else if (IsLineBreak(c)) {
            EndRecord();
            state_ = c == '\r' ? State::AfterCr : State::RecordStart;
        } else {
            fields_[count_ - 1].push_back(c);
        }
        return;
    case State::Quoted:
        if (c == '"')
            state_ = State::QuoteInQuoted;
        else
            fields_[count_ - 1].push_back(c);
        return;
    case State::QuoteInQuoted:
        if (c == '"') {
            fields_[count_ - 1].push_back('"');
            state_ = State::Quoted;
        } else if (c == ',') {
            state_ = State::FieldStart;
        } else if (IsLineBreak(c)) {
            EndRecord();
            state_ = c == '\r' ? State::AfterCr : State::RecordStart;
        } else {
            EndRecord(TextAfterQuote);
            state_ = State::Skip;
        }
        return;
    case State::Skip:
        if (IsLineBreak(c)) state_ = c == '\r' ? State::AfterCr : State::RecordStart;
        return;
    }
}

void CsvReader::Feed(std::string_view piece) {
    for (std::size_t i = 0; i < piece.size(); ++i) {
        // Plain text inside a field is copied in one go; it is most of the input.
        if (state_ == State::Unquoted || state_ == State::Quoted) {
            std::size_t end = i;
            if (state_ == State::Unquoted)
                while (end < piece.size() && ClassOf(piece[end]) != Ends)
                    ++end;
            else
                end = std::min(piece.find('"', i), piece.size());
            fields_[count_ - 1].append(piece.substr(i, end - i));
            i = end;
            if (i == piece.size()) return;
        }
        Step(piece[i]);
    }
}

void CsvReader::Finish() {
    switch (state_) {
    case State::Quoted:
        EndRecord(UnclosedQuote);
        break;
    case State::FieldStart:
        StartField(); // "a," ends with an empty field
        EndRecord();
        break;
    case State::Unquoted:
    case State::QuoteInQuoted:
        EndRecord();
        break;
    case State::RecordStart:
    case State::AfterCr:
    case State::Skip:
        break;
    }
    state_ = State::RecordStart;
}

void AppendCsvField(std::string_view field, std::string& out) {
    if (!NeedsQuotes(field)) {
        out.append(field);
        return;
    }
    out.push_back('"');
    for (char c : field) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

} // namespace zindra::cli
