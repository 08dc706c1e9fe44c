#pragma once

#include <cstddef>

namespace zindra::cli {

// The most bytes one record of bulk input may take: a --batch CSV record, a
// --requests line. A longer one is answered as one failed record and its text
// is dropped as it is read, so input without line breaks (or /dev/zero) costs
// no more memory than this. The messages call it "1 MB (1048576 bytes)".
constexpr std::size_t MaxRecordBytes = 1024 * 1024;

} // namespace zindra::cli
