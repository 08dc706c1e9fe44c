// The output tests that need Qt run inside one QApplication on the offscreen
// platform, with our bar-code faces registered when the build has them.

#include "fonts/appfonts/AppFonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zindra::RegisterBarCodeFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
