#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QVector>

#include <functional>

// Every skin image of the program, drawn with QPainter.
namespace Artwork {

struct Image
{
    QString name; // path below the skin folder, e.g. "dlg.png" or "mouse/NX-19.png"
    std::function<QImage()> draw;
};

QVector<Image> allImages();
// The settings panels' share of them.
QVector<Image> settingsPanelImages();

// The program's icon for the desktop's hicolor theme: one PNG per size,
// named as below <theme>/, and the same emblem as SVG.
QVector<Image> desktopIcons();
QByteArray desktopIconSvg();

// The two icons compiled into the program (":/yes_Btn", ":/no_Btn").
QImage resourceIcon(bool yes);

} // namespace Artwork
