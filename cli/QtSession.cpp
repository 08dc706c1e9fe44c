#include "cli/QtSession.h"

#include "fonts/appfonts/AppFonts.h"

#include <cstdio>
#include <cstdlib>

namespace zindra::cli {
namespace {

void DropSessionWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("QStandardPaths: "))) return;
    std::fputs(qFormatLogMessage(type, context, text).toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

// Runs before the application member is built, which reads the platform.
int ForceOffscreen() {
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/1);
    qInstallMessageHandler(DropSessionWarnings);
    return 1;
}

} // namespace

QtSession::QtSession() : argc_(ForceOffscreen()), app_(argc_, argv_) {
    RegisterBarCodeFonts();
}

} // namespace zindra::cli
