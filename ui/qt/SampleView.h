#pragma once

#include "ui/RichEdit.h"

#include <vector>

class QTextEdit;

namespace zindra {

// Shows the sample's runs in the view, each in its face and size; a line
// feed starts a new line.
void ShowRuns(QTextEdit* view, const std::vector<StyledRun>& runs);

} // namespace zindra
