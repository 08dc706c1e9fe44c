#pragma once

#include "cli/RecordLimit.h"

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zindra::cli {

// One record as read. Line is the line of the input it starts on, from 1
// (a line break inside quotes counts). When the record is malformed, Error
// says why and Fields holds what was read of it.
struct CsvRecord {
    std::span<const std::string> Fields;
    std::size_t Line = 0;
    std::string_view Error;
};

// A streaming RFC 4180 reader: fields separated by commas (or the delimiter
// given), records ended by CRLF, LF or CR; a field in double quotes may hold
// delimiters, line breaks and doubled quotes. A UTF-8 byte-order mark at the
// very start is skipped. Every line is a record, an empty one included (one
// empty field), so the records keep step with the lines that were given; but
// empty lines at the very end are none (spreadsheets leave them), and a line
// break at the very end starts no record. A quote inside an unquoted field is
// kept as text.
//
// Three faults make a record malformed: text after a closing quote, a quoted
// field still open at the end of the input, and a record longer than
// MaxRecordBytes (handed over without fields). After text after a closing
// quote the reader goes on to the end of the record as the quotes delimit it,
// so a quoted line break later in the same record does not start a record of
// its own: one record in is always one record out.
class CsvReader {
  public:
    explicit CsvReader(std::function<void(const CsvRecord&)> onRecord, char delimiter = ',');

    // Reads the next piece of input; records may span pieces.
    void Feed(std::string_view piece);
    // Ends the input: hands over a last record that had no line break.
    void Finish();

  private:
    enum class State { RecordStart, FieldStart, Unquoted, Quoted, QuoteInQuoted, AfterCr };

    void FeedBody(std::string_view piece);
    void Step(char c);
    void StartField();
    bool Grow(std::size_t bytes);
    [[gnu::cold, gnu::noinline]] void DropTooLong();
    void Append(std::string_view text);
    void Fault(std::string_view error);
    void EndLine(char c);
    void EndRecord();
    void HandOverBlankLines();

    std::function<void(const CsvRecord&)> onRecord_;
    char delimiter_;
    std::array<unsigned char, 256> classes_{}; // what each byte is to the reader
    std::array<bool, 256> unquotedStops_{};    // the bytes that end plain text
    std::array<bool, 256> quotedStops_{};
    State state_ = State::RecordStart;
    std::size_t signatureSeen_ = 0; // bytes of a leading byte-order mark matched so far
    bool started_ = false;          // past where a byte-order mark may be
    // Fields of the current record; kept between records so their storage is reused.
    std::vector<std::string> fields_;
    std::size_t count_ = 0;
    std::size_t line_ = 1;       // the line being read
    bool afterCr_ = false;       // the byte before was a CR, so an LF ends no further line
    std::size_t recordLine_ = 1; // the line the current record started on
    std::size_t recordBytes_ = 0;
    bool tooLong_ = false;
    bool quoted_ = false; // the record has held a quote: "" is no empty line
    std::string_view error_;
    // Empty lines held back until a record follows them; at the end they are none.
    std::size_t blankLines_ = 0;
    std::size_t firstBlankLine_ = 0;
};

// Appends one field, quoted when it holds a comma, a quote or a line break.
void AppendCsvField(std::string_view field, std::string& out);

} // namespace zindra::cli
