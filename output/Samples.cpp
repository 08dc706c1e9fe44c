#include "output/Samples.h"

#include "ui/MainWindowModel.h"
#include "ui/SampleFaceName.h"

namespace zindra {
namespace {

constexpr char16_t NotMadeMessage[] = u"You must click \"Make a bar code\" before printing";

} // namespace

SamplePageInput SamplePageInputOf(const MainWindowModel& main) {
    SamplePageInput input;
    input.Choices = main.ReadOptions();
    input.BarTextOut = main.Text(ControlId::BarTextOut);
    input.FaceName = SampleFaceName(input.Choices);
    input.HumanText = main.HumanText;
    return input;
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
