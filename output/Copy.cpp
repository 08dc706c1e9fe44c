#include "output/Copy.h"

#include "ui/MainWindowModel.h"

namespace zindra {
namespace {

constexpr char16_t NotMadeMessage[] = u"Must click \"Make\" before copying to clip board";

} // namespace

void CopyStep(MainWindowModel& main, OutputPlatform& output) {
    main.BarCodeOut.SelectAll();
    output.SetClipboard(MakeClipboardContent(main.BarCodeOut.SelectedRuns()));
}

void CopyButtonClickClick(MainWindowModel& main, const WarningBoxModel& warning,
                          OutputPlatform& output) {
    main.SetFocus(ControlId::BarTextInput);
    if (!main.MadeFlag) {
        main.ShowEncodeError(NotMadeMessage);
        return;
    }
    // However the warning is closed, the copy goes on.
    if (!warning.NoWarningBox) main.platform.ShowModal("TWarningBox");
    CopyStep(main, output);
}

} // namespace zindra
