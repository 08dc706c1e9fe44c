// Prints the product folder as the program finds it, so the installer puts
// the product files exactly where the program will look.

#include "settings/qt/QtDesktopPlaces.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    std::cout << zindra::ProductFolder(zindra::QtDesktopPlaces()).string() << '\n';
    return 0;
}
