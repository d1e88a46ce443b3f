#include "widgets/Skin.h"

#include <QCoreApplication>

namespace {

struct State
{
    QString applicationDir;
};

State &state()
{
    static State s;
    return s;
}

} // namespace

namespace Skin {

QString applicationDir()
{
    if (state().applicationDir.isEmpty())
        return QCoreApplication::applicationDirPath();
    return state().applicationDir;
}

void setApplicationDir(const QString &dir)
{
    state().applicationDir = dir;
}

QString path(const QString &relative)
{
    return applicationDir() + relative;
}

QPixmap pixmap(const QString &relative)
{
    return QPixmap(path(relative));
}

int sizeClassForRatio(double ratio)
{
    // Upper bounds (exclusive) of classes 0-15; 4.8 and above is class 16.
    static const double bounds[] = {1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8,
                                    3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8};
    int sizeClass = 0;
    for (double bound : bounds) {
        if (ratio < bound)
            return sizeClass;
        ++sizeClass;
    }
    return sizeClass;
}

double scaleForClass(int sizeClass)
{
    return 1.0 + 0.25 * sizeClass;
}

QStringList buttonImages(const char *stem)
{
    return {QStringLiteral("/skin/%1_1.png").arg(QLatin1String(stem)),
            QStringLiteral("/skin/%1_2.png").arg(QLatin1String(stem)),
            QStringLiteral("/skin/%1_3.png").arg(QLatin1String(stem))};
}

QString menuStyleSheet()
{
    return QStringLiteral("QMenu{background-color:rgb(24,24,26);color:rgb(225,225,225);"
                          "border:1px solid rgb(150,20,28);padding:2px;}"
                          "QMenu::item{padding:4px 14px;background:transparent;}"
                          "QMenu::item:selected{background-color:rgb(150,20,28);color:white;}"
                          "QMenu::item:disabled{color:rgb(100,100,100);}"
                          "QMenu::separator{height:1px;background:rgb(70,20,24);}");
}

void reset()
{
    state() = State();
}

} // namespace Skin
