#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

// Where the program's own files are and how its skin looks.
namespace Skin {

// The application directory (the executable's folder), set once at start.
QString applicationDir();
void setApplicationDir(const QString &dir);

// applicationDir() + relative, e.g. path("/skin/dlg.png").
QString path(const QString &relative);
QPixmap pixmap(const QString &relative);

// The size class of a screen whose logical DPI is ratio × 96, and its
// scale factor (1.0 + 0.25 × class).
int sizeClassForRatio(double ratio);
double scaleForClass(int sizeClass);

// The normal, highlighted and pressed images of a skinned button:
// "/skin/<stem>_1.png" to "_3.png".
QStringList buttonImages(const char *stem);

// The dark-red style of every drop-down menu.
QString menuStyleSheet();

void reset();

} // namespace Skin
