#pragma once

#include "output/OutputPlatform.h"

namespace zindra {

class MainWindowModel;
struct MadeResult;

// What the sample page reads from the main window at print time.
SamplePageInput SamplePageInputOf(const MainWindowModel& main, const MadeResult& made);

// The Samples button: refuses before Make, otherwise the print dialog and
// the page.
void PrintButtonClickClick(MainWindowModel& main, OutputPlatform& output);

} // namespace zindra
