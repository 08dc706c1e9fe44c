#include "output/Copy.h"

#include "output/MadeFirst.h"
#include "ui/MainWindowModel.h"

namespace zindra {
namespace {

constexpr char16_t ClipboardRefusedMessage[] =
    u"The bar code could not be placed on the clipboard: another program holds it.\n"
    u"Please try Copy again.";

} // namespace

void CopyStep(MainWindowModel& main, OutputPlatform& output) {
    main.BarCodeOut.SelectAll();
    if (!output.SetClipboard(MakeClipboardContent(main.BarCodeOut.SelectedRuns())))
        main.platform.MessageBox(ClipboardRefusedMessage, MessageBoxOffset);
}

void CopyButtonClickClick(MainWindowModel& main, const WarningBoxModel& warning,
                          OutputPlatform& output) {
    main.SetFocus(ControlId::BarTextInput);
    if (!MadeOrRefuse(main, MadeFirstAsker::Copy)) return;
    // However the warning is closed, the copy goes on.
    if (!warning.NoWarningBox) main.platform.ShowModal(ProgramWindow::TWarningBox);
    CopyStep(main, output);
}

} // namespace zindra
