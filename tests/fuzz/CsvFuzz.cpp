// Any bytes as a --batch file. What must always hold: the reader hands over
// exactly as many records as an RFC 4180 reading of the bytes holds, however
// the input is cut into pieces and whatever faults it has; each record starts
// on a later line than the one before; and --batch writes one row per record,
// which reads back as five well-formed fields.

#include "cli/Batch.h"
#include "cli/Csv.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using zindra::cli::CsvReader;
using zindra::cli::CsvRecord;

struct Record {
    std::vector<std::string> fields;
    std::size_t line;
    std::string error;
    bool operator==(const Record&) const = default;
};

void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

std::vector<Record> Read(std::string_view input, std::size_t piece) {
    std::vector<Record> records;
    CsvReader reader([&](const CsvRecord& r) {
        records.push_back({{r.Fields.begin(), r.Fields.end()}, r.Line, std::string(r.Error)});
    });
    for (std::size_t at = 0; at < input.size(); at += piece)
        reader.Feed(input.substr(at, piece));
    reader.Finish();
    return records;
}

// The records of the input counted the plain way, one byte at a time: a
// record ends at a CR, LF or CRLF outside quotes; a quote opens a quoted
// field only at the start of a field; text after a closing quote is part of
// the record; empty lines at the very end are none. Kept apart from the
// reader so the two can disagree.
std::size_t CountRecords(std::string_view input) {
    if (input.starts_with("\xEF\xBB\xBF")) input.remove_prefix(3);
    enum { FieldStart, Unquoted, Quoted, QuoteInQuoted } state = FieldStart;
    bool inRecord = false;
    std::size_t count = 0;
    std::size_t blankLines = 0; // since the last record with something in it
    for (std::size_t i = 0; i < input.size(); ++i) {
        const char c = input[i];
        const bool lineBreak = c == '\r' || c == '\n';
        if (state == Quoted) {
            if (c == '"') state = QuoteInQuoted;
            continue;
        }
        if (lineBreak) {
            if (state == QuoteInQuoted || state == Unquoted || state == FieldStart) {
                if (inRecord) {
                    count += blankLines + 1;
                    blankLines = 0;
                } else {
                    ++blankLines;
                }
                inRecord = false;
                state = FieldStart;
                if (c == '\r' && i + 1 < input.size() && input[i + 1] == '\n') ++i;
            }
            continue;
        }
        inRecord = true;
        if (c == ',')
            state = FieldStart;
        else if (state == FieldStart && c == '"')
            state = Quoted;
        else if (state == QuoteInQuoted && c == '"')
            state = Quoted;
        else
            state = Unquoted;
    }
    return count + (inRecord || state == Quoted ? blankLines + 1 : 0);
}

// The rows --batch writes for the input, read back.
std::vector<Record> BatchRows(std::string_view input) {
    const int in = ::memfd_create("csv-in", MFD_CLOEXEC);
    const int out = ::memfd_create("csv-out", MFD_CLOEXEC);
    const int err = ::memfd_create("csv-err", MFD_CLOEXEC);
    if (in < 0 || out < 0 || err < 0) Fail("no memory file");
    if (::write(in, input.data(), input.size()) != static_cast<ssize_t>(input.size()))
        Fail("cannot write the memory file");
    {
        zindra::cli::InputReader reader("/proc/self/fd/" + std::to_string(in), {});
        zindra::cli::OutputBuffer buffer(out);
        zindra::cli::OutputBuffer warnings(err);
        // Commas, as the reader above: which delimiter a guess picks moves the records.
        zindra::cli::CsvChoices commas;
        commas.Delimiter = ',';
        zindra::cli::RunBatch(reader, buffer, warnings, zindra::BarOptions{}, commas);
        if (!buffer.Flush()) Fail("cannot write the rows");
    }
    std::string written(static_cast<std::size_t>(::lseek(out, 0, SEEK_END)), '\0');
    if (::pread(out, written.data(), written.size(), 0) != static_cast<ssize_t>(written.size()))
        Fail("cannot read the rows back");
    ::close(in);
    ::close(out);
    ::close(err);
    return Read(written, written.size() + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::vector<Record> whole = Read(input, input.size() + 1);
    if (whole.size() != CountRecords(input)) Fail("records out differ from records in");
    const std::size_t piece = 1 + (size == 0 ? 0 : data[0] % 5);
    if (Read(input, piece) != whole) Fail("the records depend on where the input is cut");
    for (std::size_t i = 1; i < whole.size(); ++i)
        if (whole[i].line <= whole[i - 1].line) Fail("a record starts before the one before it");

    const std::vector<Record> rows = BatchRows(input);
    if (rows.size() != whole.size() + 1) Fail("rows out differ from records in");
    for (const Record& row : rows)
        // data, extra, font_string, error, warning, face
        if (row.fields.size() != 6 || !row.error.empty()) Fail("a row is not six clean fields");
    return 0;
}
