#pragma once

#include "output/OutputPlatform.h"

namespace zindra {

class MainWindowModel;

// The clipboard warning window (TWarningBox): only its check box matters to
// the program. It lives for the run and is never saved, so the warning comes
// back at the next start.
struct WarningBoxModel {
    bool NoWarningBox = false;
};

// Selects all of the sample field and places it on the clipboard as RTF, HTML
// and plain text. Shared by Copy and Labels.
void CopyStep(MainWindowModel& main, OutputPlatform& output);

// The Copy button: refuses before Make, warns unless told not to, copies.
void CopyButtonClickClick(MainWindowModel& main, const WarningBoxModel& warning,
                          OutputPlatform& output);

} // namespace zindra
