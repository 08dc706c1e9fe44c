// Renders the main window after a Make into the PNG named on the command
// line, for the README. Not part of the program, which takes no arguments.

#include "fonts/appfonts/AppFonts.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/TForm1.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    zindra::RegisterBarCodeFonts();
    zindra::QtPlatform platform;
    zindra::MainWindowModel model(platform);
    model.ApplyCode39Look();
    zindra::TForm1 form(model, platform);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;

    using enum zindra::ControlId;
    model.Select(Radio128);
    model.Select(GB3b7);
    model.Select(Type2);
    model.UserEdit(BarTextInput, u"(01)09501101530003(17)270704(10)AB-123");
    model.SetText(PointSize, u"36");
    model.MakeButtonClickClick();
    form.Sync();
    QTest::qWait(200);

    return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
