#pragma once

#include "ui/RichEdit.h"

#include <string>

namespace zindra {

// The runs as an HTML fragment in UTF-8 for programs that prefer HTML to
// RTF: each run a span with its face and size, spaces kept, a line feed as
// <br>. Characters above 127 are written as themselves, never as numeric
// references: HTML reads &#128; to &#159; as the Windows-1252 characters of
// those bytes, which would take the glyph from another font position.
std::string RichTextToHtml(const std::vector<StyledRun>& runs);

} // namespace zindra
