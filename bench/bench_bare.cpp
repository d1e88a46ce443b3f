// The yardstick for bench_list: a QtCore program that prints one line.

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "korvalen\n";
    return 0;
}
