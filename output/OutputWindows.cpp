#include "output/OutputWindows.h"

#include "output/Samples.h"
#include "ui/MainWindowModel.h"

namespace zindra {

OutputWindows::OutputWindows(MainWindowModel& main, OutputPlatform& output,
                             const DesktopPlaces& places)
    : Labels(main, output, places) {
    main.Handlers.CopyButtonClickClick = [this, &main, &output] {
        CopyButtonClickClick(main, WarningBox, output);
    };
    main.Handlers.PrintButtonClickClick = [&main, &output] { PrintButtonClickClick(main, output); };
    main.Handlers.PrintLabelClick = [&main] { PrintLabelClick(main); };
}

} // namespace zindra
