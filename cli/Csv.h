#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zindra::cli {

// One record as read. When the record is malformed, Error says why and
// Fields holds what was read of it before the fault.
struct CsvRecord {
    std::span<const std::string> Fields;
    std::string_view Error;
};

// A streaming RFC 4180 reader: fields separated by commas, records ended by
// CRLF, LF or CR; a field in double quotes may hold commas, line breaks and
// doubled quotes. Every line is a record, an empty one included (one empty
// field), so the records keep step with the lines that were given; a line
// break at the very end starts no record. A quote inside an unquoted field is
// kept as text. Two faults make a record malformed: text after a closing
// quote (the rest of that line is skipped, reading goes on with the next
// line) and a quoted field still open at the end of the input.
class CsvReader {
  public:
    explicit CsvReader(std::function<void(const CsvRecord&)> onRecord)
        : onRecord_(std::move(onRecord)) {}

    // Reads the next piece of input; records may span pieces.
    void Feed(std::string_view piece);
    // Ends the input: hands over a last record that had no line break.
    void Finish();

  private:
    enum class State { RecordStart, FieldStart, Unquoted, Quoted, QuoteInQuoted, AfterCr, Skip };

    void Step(char c);
    void StartField();
    void EndRecord(std::string_view error = {});

    std::function<void(const CsvRecord&)> onRecord_;
    State state_ = State::RecordStart;
    // Fields of the current record; kept between records so their storage is reused.
    std::vector<std::string> fields_;
    std::size_t count_ = 0;
};

// Appends one field, quoted when it holds a comma, a quote or a line break.
void AppendCsvField(std::string_view field, std::string& out);

} // namespace zindra::cli
