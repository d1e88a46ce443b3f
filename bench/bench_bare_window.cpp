// The yardstick of bench_startup: an empty Qt window of the main window's
// size, built with the same compiler, flags and Qt as the program.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(999, 640);
    window.show();
    return app.exec();
}
