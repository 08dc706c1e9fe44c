// The floor a Qt Widgets window starts from on this machine: a window titled
// "Zindra" with an edit field and ten buttons, built as the program is built,
// for bench/window-startup to measure side by side with the program.

#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Zindra");
    auto* layout = new QGridLayout(&window);
    layout->addWidget(new QLineEdit(&window), 0, 0, 1, 5);
    for (int i = 0; i < 10; ++i)
        layout->addWidget(new QPushButton(QString("Button %1").arg(i + 1), &window), 1 + i / 5,
                          i % 5);
    window.show();
    return app.exec();
}
