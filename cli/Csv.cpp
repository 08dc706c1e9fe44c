#include "cli/Csv.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace zindra::cli {
namespace {

constexpr std::string_view TextAfterQuote = "text after a closing quote";
constexpr std::string_view UnclosedQuote = "a quoted field is not closed at the end of the input";
constexpr std::string_view TooLong = "the record is longer than 1 MB (1048576 bytes)";
static_assert(MaxRecordBytes == 1048576, "the message names the limit");
// Spreadsheets write it at the start of every "CSV UTF-8" file.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Characters that matter inside a field, by byte: the delimiter ends an
// unquoted field, a line break ends an unquoted one and counts a line in a
// quoted one, a quote ends a quoted one; each makes a written field need
// quotes. Bulk runs test every byte of every field against this.
enum CharClass : unsigned char { Plain, Quote, Delimiter, Break };
using ClassTable = std::array<unsigned char, 256>;

constexpr ClassTable ClassesFor(char delimiter) {
    ClassTable classes{};
    classes[static_cast<unsigned char>(delimiter)] = Delimiter;
    classes[static_cast<unsigned char>('"')] = Quote;
    classes[static_cast<unsigned char>('\r')] = Break;
    classes[static_cast<unsigned char>('\n')] = Break;
    return classes;
}

// The bytes that end a run of plain text in an unquoted and in a quoted field.
using StopTable = std::array<bool, 256>;

constexpr StopTable StopsOf(const ClassTable& classes, CharClass a, CharClass b) {
    StopTable stops{};
    for (std::size_t c = 0; c < stops.size(); ++c)
        stops[c] = classes[c] == a || classes[c] == b;
    return stops;
}

// What is written is comma-separated, whatever was read.
constexpr ClassTable WrittenClasses = ClassesFor(',');

// Whether any byte of `word` is `byte`: bulk runs test every written field,
// eight bytes at a time.
constexpr std::uint64_t EveryByte = 0x0101010101010101;
constexpr bool HoldsByte(std::uint64_t word, char byte) {
    const std::uint64_t x = word ^ (EveryByte * static_cast<unsigned char>(byte));
    return ((x - EveryByte) & ~x & (EveryByte << 7)) != 0;
}

constexpr std::array<char, 4> WrittenSpecials{',', '"', '\r', '\n'};
static_assert(
    [] {
        std::size_t marked = 0;
        for (unsigned char c : WrittenSpecials)
            marked += WrittenClasses[c] != Plain;
        for (unsigned char c : WrittenClasses)
            marked -= c != Plain;
        return marked == 0;
    }(),
    "the bytes tested eight at a time are the ones WrittenClasses marks");

bool NeedsQuotes(std::string_view field) {
    std::size_t i = 0;
    for (; i + 8 <= field.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, field.data() + i, 8);
        for (char special : WrittenSpecials)
            if (HoldsByte(word, special)) return true;
    }
    for (; i < field.size(); ++i)
        if (WrittenClasses[static_cast<unsigned char>(field[i])] != Plain) return true;
    return false;
}

} // namespace

CsvReader::CsvReader(std::function<void(const CsvRecord&)> onRecord, char delimiter)
    : onRecord_(std::move(onRecord)), delimiter_(delimiter), classes_(ClassesFor(delimiter)),
      unquotedStops_(StopsOf(classes_, Delimiter, Break)),
      quotedStops_(StopsOf(classes_, Quote, Break)) {}

bool CsvReader::Grow(std::size_t bytes) {
    if (tooLong_) return false;
    recordBytes_ += bytes;
    if (recordBytes_ <= MaxRecordBytes) return true;
    DropTooLong();
    return false;
}

void CsvReader::DropTooLong() {
    // What was read of the record is dropped, so its memory stays bounded.
    tooLong_ = true;
    error_ = TooLong;
    count_ = 0;
}

void CsvReader::Append(std::string_view text) {
    if (Grow(text.size())) fields_[count_ - 1].append(text);
}

void CsvReader::StartField() {
    // A separator counts too: a record of nothing but commas is still bounded.
    if (!Grow(count_ == 0 ? 0 : 1)) return;
    if (count_ == fields_.size())
        fields_.emplace_back();
    else
        fields_[count_].clear();
    ++count_;
}

void CsvReader::Fault(std::string_view error) {
    if (error_.empty()) error_ = error;
}

void CsvReader::HandOverBlankLines() {
    const std::string empty;
    for (std::size_t i = 0; i < blankLines_; ++i)
        onRecord_(CsvRecord{std::span<const std::string>(&empty, 1), firstBlankLine_ + i, {}});
    blankLines_ = 0;
}

void CsvReader::EndRecord() {
    const bool blank = count_ == 1 && fields_[0].empty() && !quoted_ && error_.empty();
    if (blank) {
        if (blankLines_++ == 0) firstBlankLine_ = recordLine_;
    } else {
        HandOverBlankLines();
        onRecord_(
            CsvRecord{std::span<const std::string>(fields_.data(), count_), recordLine_, error_});
    }
    count_ = 0;
    recordBytes_ = 0;
    tooLong_ = false;
    quoted_ = false;
    error_ = {};
}

void CsvReader::EndLine(char c) {
    EndRecord();
    state_ = c == '\r' ? State::AfterCr : State::RecordStart;
}

void CsvReader::Step(char c) {
    switch (state_) {
    case State::AfterCr:
        state_ = State::RecordStart;
        if (c == '\n') return; // the LF of a CRLF
        [[fallthrough]];
    case State::RecordStart:
        recordLine_ = line_;
        [[fallthrough]];
    case State::FieldStart:
        StartField();
        if (c == '"') {
            state_ = State::Quoted;
            quoted_ = true;
            return;
        }
        state_ = State::Unquoted;
        [[fallthrough]];
    case State::Unquoted:
        if (c == delimiter_)
            state_ = State::FieldStart;
        else if (classes_[static_cast<unsigned char>(c)] == Break)
            EndLine(c);
        else
            Append(std::string_view(&c, 1));
        return;
    case State::Quoted:
        if (c == '"')
            state_ = State::QuoteInQuoted;
        else
            Append(std::string_view(&c, 1));
        return;
    case State::QuoteInQuoted:
        if (c == '"') {
            Append("\"");
            state_ = State::Quoted;
        } else if (c == delimiter_) {
            state_ = State::FieldStart;
        } else if (classes_[static_cast<unsigned char>(c)] == Break) {
            EndLine(c);
        } else {
            // The record is malformed, but where it ends is still decided by
            // the quotes that follow: read on as if the field were unquoted.
            Fault(TextAfterQuote);
            Append(std::string_view(&c, 1));
            state_ = State::Unquoted;
        }
        return;
    }
}

void CsvReader::FeedBody(std::string_view piece) {
    for (std::size_t i = 0; i < piece.size(); ++i) {
        // Plain text inside a field is copied in one go; it is most of the input.
        if (state_ == State::Unquoted || state_ == State::Quoted) {
            const StopTable& stops = state_ == State::Unquoted ? unquotedStops_ : quotedStops_;
            std::size_t end = i;
            while (end < piece.size() && !stops[static_cast<unsigned char>(piece[end])])
                ++end;
            if (end > i) {
                Append(piece.substr(i, end - i));
                afterCr_ = false;
            }
            i = end;
            if (i == piece.size()) return;
        }
        const char c = piece[i];
        const bool newLine = c == '\r' || (c == '\n' && !afterCr_);
        Step(c);
        line_ += newLine;
        afterCr_ = c == '\r';
    }
}

void CsvReader::Feed(std::string_view piece) {
    while (!started_ && !piece.empty()) {
        if (piece.front() != ByteOrderMark[signatureSeen_]) {
            // Not a byte-order mark after all: what matched of it is data.
            started_ = true;
            FeedBody(ByteOrderMark.substr(0, signatureSeen_));
            break;
        }
        piece.remove_prefix(1);
        started_ = ++signatureSeen_ == ByteOrderMark.size();
    }
    FeedBody(piece);
}

void CsvReader::Finish() {
    if (!started_) {
        started_ = true;
        FeedBody(ByteOrderMark.substr(0, signatureSeen_));
    }
    switch (state_) {
    case State::Quoted:
        Fault(UnclosedQuote);
        EndRecord();
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
