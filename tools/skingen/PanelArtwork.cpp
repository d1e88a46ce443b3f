// The images of the settings panels: the DPI bars and their handles, the
// check boxes, the stage lamps, the level-slider grooves and the colour
// editor's header tab.

#include "tools/skingen/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

const QColor kRed(200, 20, 30);
const QColor kRedBright(255, 59, 59);
const QColor kRedDark(110, 10, 16);
const QColor kLine(48, 50, 54);

// Everything is drawn at three times its design size: the panels scale it.
constexpr int kOver = 3;

QImage canvas(int width, int height, QPainter &p)
{
    QImage image(width * kOver, height * kOver, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kOver, kOver);
    return image;
}

// A groove: a rounded track, filled with one colour towards the right.
QImage groove(int width, const QColor &from, const QColor &to)
{
    QPainter p;
    QImage image = canvas(width, 6, p);
    const QRectF r(0.5, 1, width - 1, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 15, 16));
    p.drawRoundedRect(r.adjusted(-0.5, -1, 0.5, 1), 3, 3);
    QLinearGradient fill(r.topLeft(), r.topRight());
    fill.setColorAt(0, from);
    fill.setColorAt(1, to);
    p.setBrush(fill);
    p.drawRoundedRect(r, 2, 2);
    p.end();
    return image;
}

// A handle twice as wide as high, with a light ridge in the middle.
QImage handle(const QColor &face)
{
    QPainter p;
    QImage image = canvas(18, 9, p);
    QLinearGradient fill(0, 0, 0, 9);
    fill.setColorAt(0, face.lighter(140));
    fill.setColorAt(1, face.darker(130));
    p.setPen(QPen(QColor(230, 230, 230), 0.8));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 17, 8), 3, 3);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.drawLine(QPointF(9, 2.5), QPointF(9, 6.5));
    p.end();
    return image;
}

QImage checkBox(bool checked)
{
    QPainter p;
    QImage image = canvas(16, 16, p);
    const QRectF r(0.75, 0.75, 14.5, 14.5);
    p.setPen(QPen(checked ? kRedBright : QColor(110, 112, 116), 1.2));
    p.setBrush(checked ? kRed : QColor(20, 21, 23));
    p.drawRoundedRect(r, 3, 3);
    if (checked) {
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(4, 8.2), QPointF(6.8, 11), QPointF(12, 5)}));
    }
    p.end();
    return image;
}

// The lamp of a DPI stage: lit red, or dark.
QImage lamp(bool on)
{
    QPainter p;
    QImage image = canvas(16, 16, p);
    QRadialGradient glow(QPointF(8, 8), 8);
    if (on) {
        glow.setColorAt(0, QColor(255, 190, 190));
        glow.setColorAt(0.45, kRedBright);
        glow.setColorAt(1, kRedDark);
    } else {
        glow.setColorAt(0, QColor(70, 72, 76));
        glow.setColorAt(1, QColor(26, 27, 29));
    }
    p.setPen(QPen(on ? kRedBright : QColor(90, 92, 96), 0.8));
    p.setBrush(glow);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.end();
    return image;
}

// The header tab of the colour editor: 0 normal, 1 selected, 2 hover.
QImage tab(int state)
{
    QPainter p;
    QImage image = canvas(96, 22, p);
    QLinearGradient fill(0, 0, 0, 22);
    fill.setColorAt(0, state == 1 ? kRed : QColor(44, 46, 50));
    fill.setColorAt(1, state == 1 ? kRedDark : QColor(28, 29, 32));
    p.setPen(QPen(state == 0 ? kLine : kRedBright, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 95, 26), 4, 4);
    p.fillRect(QRectF(1, 19.5, 94, 2.5), state == 0 ? QColor(60, 62, 66) : kRedBright);
    p.end();
    return image;
}

} // namespace

namespace Artwork {

QVector<Image> settingsPanelImages()
{
    return {
        {QStringLiteral("DPI_L_2.png"), [] { return groove(301, kRedDark, kRedBright); }},
        {QStringLiteral("DPI_R_1.png"),
         [] { return groove(301, QColor(60, 62, 66), QColor(150, 152, 156)); }},
        {QStringLiteral("slider-v.png"), [] { return handle(kRed); }},
        {QStringLiteral("slider-v2.png"), [] { return handle(QColor(120, 122, 126)); }},
        {QStringLiteral("checkbox1-1.png"), [] { return checkBox(false); }},
        {QStringLiteral("checkbox1-2.png"), [] { return checkBox(true); }},
        {QStringLiteral("DPI-ON.png"), [] { return lamp(true); }},
        {QStringLiteral("DPI-OFF.png"), [] { return lamp(false); }},
        {QStringLiteral("rate.png"), [] { return groove(250, kRedDark, kRedBright); }},
        {QStringLiteral("pspeed.png"), [] { return groove(280, QColor(90, 92, 96), kRedBright); }},
        {QStringLiteral("tabbutton-1.png"), [] { return tab(0); }},
        {QStringLiteral("tabbutton-2.png"), [] { return tab(1); }},
        {QStringLiteral("tabbutton-3.png"), [] { return tab(2); }},
    };
}

} // namespace Artwork
