// bench_bare with QtGui linked (a QColor printed): what loading QtGui, and
// through it the desktop's GL and X11 libraries, costs on its own.

#include <QColor>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << QColor(255, 0, 0).name() << "\n";
    return 0;
}
