#pragma once

#include "ui/RichEdit.h"

#include <string>
#include <string_view>
#include <vector>

namespace zindra {

// The runs as a Rich Text Format document: one font-table entry per face,
// each run with its face and size, a line feed as a paragraph break. The
// result is 7-bit ASCII.
std::string RichTextToRtf(const std::vector<StyledRun>& runs);

// Appends text to an RTF body. Characters 128 and above go out as \'hh of
// their Windows-1252 byte where one exists, otherwise as \uN?. The C1
// controls 128 to 159 have no Windows-1252 byte (the bytes 0x80 to 0x9F stand
// for other characters), so they go out as \u128? to \u159? and a reader
// hands the font the same code point that the sample field shows.
void AppendRtfText(std::string& rtf, std::u16string_view text);

// The opening of an RTF document whose font table lists `faces` as \f0,
// \f1, ... in that order.
std::string RtfHeader(const std::vector<std::string>& faces);

} // namespace zindra
