#include "output/Samples.h"

#include "ui/MainWindowModel.h"

namespace zindra {
namespace {

constexpr char16_t NotMadeMessage[] = u"You must click \"Make a bar code\" before printing";

} // namespace

SamplePageInput SamplePageInputOf(const MainWindowModel& main) {
    BarOptions choices = main.ReadOptions();
    choices.DataText = main.MadeData;
    return SamplePageInputOf(choices, main.MadeFontString, main.MadeSums, main.HumanText);
}

void PrintButtonClickClick(MainWindowModel& main, OutputPlatform& output) {
    main.SetFocus(ControlId::BarTextInput);
    if (!main.MadeFlag) {
        main.ShowEncodeError(NotMadeMessage);
        return;
    }
    output.PrintSamplePage(SamplePageInputOf(main));
}

} // namespace zindra
