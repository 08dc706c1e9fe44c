#include "output/MadeFirst.h"

#include "ui/MainWindowModel.h"

namespace zindra {

const MadeResult* MadeOrRefuse(MainWindowModel& main, MadeFirstAsker asker) {
    if (main.MadeFlag) return &*main.MadeFlag;
    switch (asker) {
    case MadeFirstAsker::Copy:
        main.ShowEncodeError(u"Must click \"Make\" before copying to clip board");
        break;
    case MadeFirstAsker::PrintSample:
        main.ShowEncodeError(u"You must click \"Make a bar code\" before printing");
        break;
    case MadeFirstAsker::PrintLabels:
        // Labels says it in the sample field, where the bar code would be.
        main.BarCodeOut.SetWholeFont({"Arial", 12});
        main.BarCodeOut.SetText(u"Make a bar code before printing labels");
        main.SetText(ControlId::BarTextOut, u"");
        main.platform.Beep();
        main.SetFocus(ControlId::BarTextInput);
        break;
    }
    return nullptr;
}

} // namespace zindra
