#include "output/Samples.h"

#include "output/MadeFirst.h"
#include "ui/MainWindowModel.h"

namespace zindra {
SamplePageInput SamplePageInputOf(const MainWindowModel& main, const MadeResult& made) {
    BarOptions choices = main.ReadOptions();
    choices.DataText = made.Data;
    return SamplePageInputOf(choices, made.FontString, made.Sums, main.HumanText);
}

void PrintButtonClickClick(MainWindowModel& main, OutputPlatform& output) {
    main.SetFocus(ControlId::BarTextInput);
    if (const MadeResult* made = MadeOrRefuse(main, MadeFirstAsker::PrintSample))
        output.PrintSamplePage(SamplePageInputOf(main, *made));
}

} // namespace zindra
