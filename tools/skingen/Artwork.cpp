#include "tools/skingen/Artwork.h"

#include "widgets/DesignLayout.h"
#include "widgets/MouseLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// The palette: near-black surfaces, one red.
const QColor kSurfaceTop(26, 27, 30);
const QColor kSurfaceBottom(13, 14, 15);
const QColor kInset(18, 19, 21);
const QColor kPanel(33, 35, 35);
const QColor kLine(48, 50, 54);
const QColor kRed(200, 20, 30);
const QColor kRedBright(255, 59, 59);
const QColor kRedDark(110, 10, 16);
const QColor kGrey(150, 152, 156);

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void antialias(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont font(int pixelSize, bool bold = false, bool italic = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// The brand mark: a red rounded square with a bold, slanted K. The K's
// corners are fractions of the square's width, shared by the painted images
// and the scalable desktop icon.
const qreal kEmblemRadius = 0.22;
const QColor kEmblemLetter(245, 245, 245);
const QPointF kEmblemLetterShape[] = {
    {0.26, 0.20}, {0.40, 0.20}, {0.36, 0.45}, {0.62, 0.20}, {0.80, 0.20}, {0.50, 0.49},
    {0.74, 0.80}, {0.56, 0.80}, {0.40, 0.58}, {0.33, 0.80}, {0.19, 0.80},
};

void drawEmblem(QPainter &p, const QRectF &r, qreal opacity = 1.0)
{
    p.save();
    p.setOpacity(opacity);
    QLinearGradient fill(r.topLeft(), r.bottomRight());
    fill.setColorAt(0, kRedBright);
    fill.setColorAt(1, kRedDark);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(r, r.width() * kEmblemRadius, r.height() * kEmblemRadius);
    const qreal w = r.width();
    QPolygonF k;
    for (const QPointF &corner : kEmblemLetterShape)
        k << r.topLeft() + corner * w;
    p.setBrush(kEmblemLetter);
    p.drawPolygon(k);
    p.restore();
}

QImage mainBackground(double scale)
{
    using namespace DesignLayout;
    QImage image = canvas(int(kWidth * scale), int(kHeight * scale));
    QPainter p(&image);
    antialias(p);
    p.scale(scale, scale);

    // Body: a rounded slab; everything outside it stays transparent, which
    // gives the frameless window its shape.
    const QRectF body(4, 4, kWidth - 8, kHeight - 8);
    QLinearGradient surface(body.topLeft(), body.bottomLeft());
    surface.setColorAt(0, kSurfaceTop);
    surface.setColorAt(1, kSurfaceBottom);
    p.setPen(QPen(kLine, 1.5));
    p.setBrush(surface);
    p.drawRoundedRect(body, 18, 18);

    // Brand and the red line under the title bar.
    drawEmblem(p, QRectF(kBrand.x(), kBrand.y() + 3, 28, 28));
    p.setPen(kRed);
    p.setFont(font(24, true, true));
    p.drawText(QRectF(kBrand.x() + 38, kBrand.y(), 180, kBrand.height()),
               Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("KORVALEN"));
    // The subtitle and the MODE caption are the window's, in its language.
    QLinearGradient line(QPointF(30, 0), QPointF(kWidth - 30, 0));
    line.setColorAt(0, Qt::transparent);
    line.setColorAt(0.15, kRed);
    line.setColorAt(0.85, kRed);
    line.setColorAt(1, Qt::transparent);
    p.fillRect(QRectF(30, 64, kWidth - 60, 2), line);

    // Left column with the emblem, faint.
    p.setPen(QPen(kLine, 1));
    p.setBrush(kInset);
    p.drawRoundedRect(QRectF(kLeftColumn), 10, 10);
    drawEmblem(p, QRectF(kEmblem), 0.18);
    p.fillRect(QRectF(kModeCaption.x(), kModeCaption.bottom() + 1, 24, 2), kRed);

    // A dark red glow where the mouse picture sits.
    p.save();
    p.translate(QRectF(kPicture).center());
    p.scale(1.0, double(kPicture.height()) / kPicture.width());
    const qreal radius = kPicture.width() / 2.0;
    QRadialGradient glow(QPointF(0, 0), radius);
    glow.setColorAt(0, QColor(100, 12, 18, 130));
    glow.setColorAt(1, Qt::transparent);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, 0), radius, radius);
    p.restore();

    // The footer rule. The frame of the lower panel is the window's to draw:
    // the DPI and MACRO pages are taller and would show it through their gaps.
    p.fillRect(QRectF(kLowerPanel.x(), 548, kLowerPanel.width(), 1), kLine);
    return image;
}

// A button face of a given size in one of three states.
QImage buttonFace(int width, int height, int state, bool accentBar = false, bool chevron = false)
{
    const int s = 2; // drawn at twice the size: faces are scaled up and down
    QImage image = canvas(width * s, height * s);
    QPainter p(&image);
    antialias(p);
    p.scale(s, s);
    const QRectF r(0.5, 0.5, width - 1, height - 1);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    if (state == 2) {
        fill.setColorAt(0, kRed);
        fill.setColorAt(1, kRedDark);
    } else {
        fill.setColorAt(0, QColor(38, 40, 43));
        fill.setColorAt(1, QColor(24, 25, 27));
    }
    p.setBrush(fill);
    p.setPen(QPen(state == 1 ? kRedBright : (state == 2 ? kRed : kLine), 1));
    p.drawRoundedRect(r, 4, 4);
    if (accentBar && state != 2)
        p.fillRect(QRectF(1, 4, 3, height - 8), state == 1 ? kRedBright : kRed);
    if (chevron) {
        p.setPen(QPen(state == 0 ? kGrey : Qt::white, 1.6));
        const qreal cx = width < 30 ? width / 2.0 : width - 12, cy = height / 2.0;
        p.drawLine(QPointF(cx - 4, cy - 2), QPointF(cx, cy + 2));
        p.drawLine(QPointF(cx, cy + 2), QPointF(cx + 4, cy - 2));
    }
    return image;
}

QImage glyphButton(int size, int state, const std::function<void(QPainter &, qreal)> &glyph)
{
    const int s = 3;
    QImage image = canvas(size * s, size * s);
    QPainter p(&image);
    antialias(p);
    p.scale(s, s);
    const QRectF r(0.5, 0.5, size - 1, size - 1);
    p.setPen(QPen(state == 0 ? kLine : kRed, 1));
    p.setBrush(state == 2 ? kRed : QColor(30, 31, 34));
    p.drawRoundedRect(r, 4, 4);
    p.setPen(QPen(state == 0 ? QColor(205, 205, 205) : Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    glyph(p, size);
    return image;
}

void glyphClose(QPainter &p, qreal n)
{
    p.drawLine(QPointF(n * 0.32, n * 0.32), QPointF(n * 0.68, n * 0.68));
    p.drawLine(QPointF(n * 0.68, n * 0.32), QPointF(n * 0.32, n * 0.68));
}

void glyphMinimize(QPainter &p, qreal n)
{
    p.drawLine(QPointF(n * 0.30, n * 0.62), QPointF(n * 0.70, n * 0.62));
}

// Export: an arrow out of a tray.
void glyphSave(QPainter &p, qreal n)
{
    p.drawLine(QPointF(n * 0.5, n * 0.22), QPointF(n * 0.5, n * 0.58));
    p.drawLine(QPointF(n * 0.36, n * 0.36), QPointF(n * 0.5, n * 0.22));
    p.drawLine(QPointF(n * 0.64, n * 0.36), QPointF(n * 0.5, n * 0.22));
    p.drawPolyline(QPolygonF({QPointF(n * 0.25, n * 0.55), QPointF(n * 0.25, n * 0.76),
                              QPointF(n * 0.75, n * 0.76), QPointF(n * 0.75, n * 0.55)}));
}

// Import: an arrow into a tray.
void glyphLoad(QPainter &p, qreal n)
{
    p.drawLine(QPointF(n * 0.5, n * 0.22), QPointF(n * 0.5, n * 0.58));
    p.drawLine(QPointF(n * 0.36, n * 0.44), QPointF(n * 0.5, n * 0.58));
    p.drawLine(QPointF(n * 0.64, n * 0.44), QPointF(n * 0.5, n * 0.58));
    p.drawPolyline(QPolygonF({QPointF(n * 0.25, n * 0.55), QPointF(n * 0.25, n * 0.76),
                              QPointF(n * 0.75, n * 0.76), QPointF(n * 0.75, n * 0.55)}));
}

void glyphReset(QPainter &p, qreal n)
{
    const QRectF arc(n * 0.26, n * 0.26, n * 0.48, n * 0.48);
    p.drawArc(arc, 60 * 16, 290 * 16);
    p.drawLine(QPointF(n * 0.62, n * 0.20), QPointF(n * 0.63, n * 0.33));
    p.drawLine(QPointF(n * 0.63, n * 0.33), QPointF(n * 0.50, n * 0.34));
}

void glyphAdd(QPainter &p, qreal n)
{
    p.drawLine(QPointF(n * 0.5, n * 0.26), QPointF(n * 0.5, n * 0.74));
    p.drawLine(QPointF(n * 0.26, n * 0.5), QPointF(n * 0.74, n * 0.5));
}

void glyphDelete(QPainter &p, qreal n)
{
    p.drawLine(QPointF(n * 0.28, n * 0.30), QPointF(n * 0.72, n * 0.30));
    p.drawLine(QPointF(n * 0.42, n * 0.22), QPointF(n * 0.58, n * 0.22));
    p.drawPolyline(QPolygonF({QPointF(n * 0.33, n * 0.30), QPointF(n * 0.36, n * 0.78),
                              QPointF(n * 0.64, n * 0.78), QPointF(n * 0.67, n * 0.30)}));
}

void glyphCopy(QPainter &p, qreal n)
{
    p.drawRoundedRect(QRectF(n * 0.24, n * 0.24, n * 0.36, n * 0.40), 2, 2);
    p.drawRoundedRect(QRectF(n * 0.40, n * 0.38, n * 0.36, n * 0.40), 2, 2);
}

// Macro editor: the event-list commands.
void glyphArrow(QPainter &p, qreal n, bool up, bool bar)
{
    const qreal d = up ? -1 : 1, c = n * 0.5;
    p.drawLine(QPointF(c, c - d * n * 0.22), QPointF(c, c + d * n * 0.22));
    p.drawLine(QPointF(c - n * 0.16, c + d * n * 0.06), QPointF(c, c + d * n * 0.22));
    p.drawLine(QPointF(c + n * 0.16, c + d * n * 0.06), QPointF(c, c + d * n * 0.22));
    if (bar)
        p.drawLine(QPointF(n * 0.28, c + d * n * 0.29), QPointF(n * 0.72, c + d * n * 0.29));
}

void glyphClear(QPainter &p, qreal n)
{
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(n * 0.24, n * (0.30 + 0.14 * i)),
                   QPointF(n * 0.50, n * (0.30 + 0.14 * i)));
    p.drawLine(QPointF(n * 0.58, n * 0.40), QPointF(n * 0.76, n * 0.58));
    p.drawLine(QPointF(n * 0.76, n * 0.40), QPointF(n * 0.58, n * 0.58));
}

void glyphCut(QPainter &p, qreal n)
{
    p.drawEllipse(QRectF(n * 0.22, n * 0.58, n * 0.18, n * 0.18));
    p.drawEllipse(QRectF(n * 0.60, n * 0.58, n * 0.18, n * 0.18));
    p.drawLine(QPointF(n * 0.36, n * 0.60), QPointF(n * 0.66, n * 0.22));
    p.drawLine(QPointF(n * 0.64, n * 0.60), QPointF(n * 0.34, n * 0.22));
}

void glyphPaste(QPainter &p, qreal n)
{
    p.drawRoundedRect(QRectF(n * 0.26, n * 0.26, n * 0.48, n * 0.52), 2, 2);
    p.drawLine(QPointF(n * 0.40, n * 0.22), QPointF(n * 0.60, n * 0.22));
    p.drawLine(QPointF(n * 0.36, n * 0.48), QPointF(n * 0.64, n * 0.48));
    p.drawLine(QPointF(n * 0.36, n * 0.62), QPointF(n * 0.58, n * 0.62));
}

void glyphRecordAfter(QPainter &p, qreal n)
{
    p.save();
    p.setBrush(kRedBright);
    p.drawEllipse(QRectF(n * 0.22, n * 0.22, n * 0.32, n * 0.32));
    p.restore();
    p.drawLine(QPointF(n * 0.62, n * 0.50), QPointF(n * 0.62, n * 0.78));
    p.drawLine(QPointF(n * 0.48, n * 0.64), QPointF(n * 0.76, n * 0.64));
}

void glyphRemove(QPainter &p, qreal n)
{
    p.drawLine(QPointF(n * 0.26, n * 0.5), QPointF(n * 0.74, n * 0.5));
}

// A check button image: a square box (style 1) or a round one (style 2).
QImage checkBox(bool round, bool checked)
{
    const int n = 16 * 3;
    QImage image = canvas(n, n);
    QPainter p(&image);
    antialias(p);
    const QRectF r(4, 4, n - 8, n - 8);
    p.setPen(QPen(checked ? kRed : kGrey, 3));
    p.setBrush(QColor(20, 21, 23));
    if (round)
        p.drawEllipse(r);
    else
        p.drawRoundedRect(r, 6, 6);
    if (checked) {
        p.setPen(Qt::NoPen);
        p.setBrush(kRedBright);
        if (round) {
            p.drawEllipse(r.adjusted(10, 10, -10, -10));
        } else {
            p.setPen(QPen(kRedBright, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPolyline(QPolygonF({QPointF(n * 0.28, n * 0.52), QPointF(n * 0.44, n * 0.68),
                                      QPointF(n * 0.74, n * 0.32)}));
        }
    }
    return image;
}

// Event-row icons: a key going down or up, a clock, a mouse.
QImage rowIcon(int kind)
{
    const int n = 16 * 3;
    QImage image = canvas(n, n);
    QPainter p(&image);
    antialias(p);
    p.setPen(QPen(QColor(220, 220, 220), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (kind) {
    case 0:
    case 1: {
        p.drawRoundedRect(QRectF(5, 14, 26, 26), 5, 5);
        p.setPen(QPen(kind == 0 ? kRedBright : QColor(90, 200, 120), 4, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        const qreal d = kind == 0 ? 1 : -1, c = 40;
        p.drawLine(QPointF(c, 24 - d * 12), QPointF(c, 24 + d * 12));
        p.drawLine(QPointF(c - 6, 24 + d * 5), QPointF(c, 24 + d * 12));
        p.drawLine(QPointF(c + 6, 24 + d * 5), QPointF(c, 24 + d * 12));
        break;
    }
    case 2:
        p.drawEllipse(QRectF(6, 6, n - 12, n - 12));
        p.drawLine(QPointF(n / 2.0, n / 2.0), QPointF(n / 2.0, 14));
        p.drawLine(QPointF(n / 2.0, n / 2.0), QPointF(n * 0.68, n * 0.6));
        break;
    default:
        p.drawRoundedRect(QRectF(12, 4, 24, 40), 12, 12);
        p.drawLine(QPointF(24, 6), QPointF(24, 18));
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawRoundedRect(QRectF(22, 9, 4, 7), 2, 2);
        break;
    }
    return image;
}

// The macro page: three inset areas behind the library, the events and
// the options.
QImage macroBackground()
{
    const int s = 2, w = 664, h = 466;
    QImage image = canvas(w * s, h * s);
    QPainter p(&image);
    antialias(p);
    p.scale(s, s);
    p.setPen(QPen(kLine, 1));
    p.setBrush(kInset);
    p.drawRoundedRect(QRectF(2, 2, 214, h - 4), 8, 8);
    p.drawRoundedRect(QRectF(222, 2, 240, h - 4), 8, 8);
    p.drawRoundedRect(QRectF(468, 2, w - 470, h - 4), 8, 8);
    p.fillRect(QRectF(476, 52, w - 486, 1), kRed);
    return image;
}

QImage bullet()
{
    const int s = 3, w = 14, h = 36;
    QImage image = canvas(w * s, h * s);
    QPainter p(&image);
    antialias(p);
    p.scale(s, s);
    QLinearGradient brass(QPointF(0, 0), QPointF(w, 0));
    brass.setColorAt(0, QColor(150, 110, 40));
    brass.setColorAt(0.5, QColor(235, 195, 110));
    brass.setColorAt(1, QColor(140, 100, 35));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 90, 50));
    QPainterPath tip;
    tip.moveTo(2, 14);
    tip.quadTo(2, 2, 7, 0);
    tip.quadTo(12, 2, 12, 14);
    tip.closeSubpath();
    p.drawPath(tip);
    p.setBrush(brass);
    p.drawRect(QRectF(1.5, 14, 11, 21));
    return image;
}

QImage gunSlider()
{
    const int s = 2, w = 300, h = 12;
    QImage image = canvas(w * s, h * s);
    QPainter p(&image);
    antialias(p);
    p.scale(s, s);
    QLinearGradient line(QPointF(0, 0), QPointF(w, 0));
    line.setColorAt(0, Qt::transparent);
    line.setColorAt(0.2, kRed);
    line.setColorAt(0.8, kRed);
    line.setColorAt(1, Qt::transparent);
    p.fillRect(QRectF(0, 5, w, 2), line);
    for (int i = 1; i < 10; ++i)
        p.fillRect(QRectF(i * w / 10.0, 2, 1, 8), kGrey);
    return image;
}

// Marker over a mouse button: a numbered ring, filled red when selected.
QImage marker(bool selected)
{
    const int n = DesignLayout::kMarkerSize * 3;
    QImage image = canvas(n, n);
    QPainter p(&image);
    antialias(p);
    const QRectF r(4, 4, n - 8, n - 8);
    p.setPen(QPen(selected ? Qt::white : kRed, 4));
    p.setBrush(selected ? kRed : QColor(15, 15, 17, 230));
    p.drawEllipse(r);
    return image;
}

// Scroll markers: an arrow in a ring (style 1/2) or in a wheel-shaped
// capsule (style 3/4). Odd numbers are the highlighted look.
QImage scrollMarker(bool up, bool selected, bool wheel)
{
    const int n = DesignLayout::kMarkerSize * 3;
    QImage image = canvas(n, n);
    QPainter p(&image);
    antialias(p);
    p.setPen(QPen(selected ? Qt::white : kRed, 4));
    p.setBrush(selected ? kRed : QColor(15, 15, 17, 230));
    if (wheel)
        p.drawRoundedRect(QRectF(n * 0.22, 4, n * 0.56, n - 8), n * 0.26, n * 0.26);
    else
        p.drawEllipse(QRectF(4, 4, n - 8, n - 8));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const qreal c = n / 2.0, d = up ? -1 : 1;
    p.drawPolygon(QPolygonF({QPointF(c, c + d * n * 0.2), QPointF(c - n * 0.17, c - d * n * 0.08),
                             QPointF(c + n * 0.17, c - d * n * 0.08)}));
    return image;
}

// The handle of the sniper slider: a red bar with a light rim.
QImage sliderHandle()
{
    QImage image = canvas(12, 22);
    QPainter p(&image);
    antialias(p);
    p.setPen(QPen(QColor(230, 230, 230), 1.5));
    p.setBrush(kRed);
    p.drawRoundedRect(QRectF(1.5, 1.5, 9, 19), 3, 3);
    return image;
}

QImage dialogBackground(int width, int height)
{
    const int s = 2;
    QImage image = canvas(width * s, height * s);
    QPainter p(&image);
    antialias(p);
    p.scale(s, s);
    const QRectF r(1, 1, width - 2, height - 2);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, kSurfaceTop);
    fill.setColorAt(1, kSurfaceBottom);
    p.setPen(QPen(kLine, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(r, 12, 12);
    QLinearGradient line(QPointF(12, 0), QPointF(width - 12, 0));
    line.setColorAt(0, Qt::transparent);
    line.setColorAt(0.2, kRed);
    line.setColorAt(0.8, kRed);
    line.setColorAt(1, Qt::transparent);
    p.fillRect(QRectF(12, 10, width - 24, 2), line);
    return image;
}

// The arrow of a spin box button: a light triangle, drawn at twice its
// size so that the scaled windows stay sharp.
QImage spinArrow(bool up)
{
    QImage image = canvas(14, 10);
    QPainter p(&image);
    antialias(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 225, 225));
    QPolygonF tip;
    if (up)
        tip << QPointF(1, 9) << QPointF(13, 9) << QPointF(7, 1);
    else
        tip << QPointF(1, 1) << QPointF(13, 1) << QPointF(7, 9);
    p.drawPolygon(tip);
    return image;
}

QImage warning()
{
    const int n = 90;
    QImage image = canvas(n, n);
    QPainter p(&image);
    antialias(p);
    QPainterPath triangle;
    triangle.moveTo(n / 2.0, 6);
    triangle.lineTo(n - 6, n - 10);
    triangle.lineTo(6, n - 10);
    triangle.closeSubpath();
    p.setPen(QPen(kRedBright, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kRed);
    p.drawPath(triangle);
    p.setPen(QPen(Qt::white, 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(n / 2.0, 32), QPointF(n / 2.0, 56));
    p.drawPoint(QPointF(n / 2.0, 69));
    return image;
}

QImage progressBackground()
{
    QImage image = canvas(200, 50);
    QPainter p(&image);
    antialias(p);
    p.setPen(QPen(kRed, 1.5));
    p.setBrush(kSurfaceBottom);
    p.drawRoundedRect(QRectF(1, 1, 198, 48), 8, 8);
    return image;
}

QImage icon(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    antialias(p);
    drawEmblem(p, QRectF(size * 0.04, size * 0.04, size * 0.92, size * 0.92));
    return image;
}

// The model identifiers that get pictures.
QStringList modelNames()
{
    QStringList names;
    for (int i = 1; i <= 57; ++i)
        names << QStringLiteral("NX-%1").arg(i, 2, 10, QLatin1Char('0'));
    names << QStringLiteral("TEST") << QStringLiteral("TEST xx");
    return names;
}

QPainterPath frontBody()
{
    QPainterPath body;
    body.moveTo(300, 26);
    body.cubicTo(392, 26, 432, 108, 434, 200);
    body.cubicTo(438, 322, 420, 444, 300, 474);
    body.cubicTo(180, 444, 162, 322, 166, 200);
    body.cubicTo(168, 108, 208, 26, 300, 26);
    return body;
}

void drawSideButton(QPainter &p, const QPointF &c, bool leftSide)
{
    const QRectF r(c.x() - 11 + (leftSide ? -2 : 2), c.y() - 24, 22, 48);
    QLinearGradient fill(r.topLeft(), r.topRight());
    fill.setColorAt(0, QColor(58, 61, 66));
    fill.setColorAt(1, QColor(30, 32, 35));
    p.setPen(QPen(QColor(90, 94, 100), 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(r, 10, 10);
}

void drawTopButton(QPainter &p, const QPointF &c)
{
    const QRectF r(c.x() - 20, c.y() - 11, 40, 22);
    p.setPen(QPen(QColor(90, 94, 100), 1.5));
    p.setBrush(QColor(40, 42, 46));
    p.drawRoundedRect(r, 6, 6);
}

QImage frontPicture(const QString &product)
{
    const MouseLayout layout = mouseLayout(product);
    QImage image = canvas(kPictureCanvas.width(), kPictureCanvas.height());
    QPainter p(&image);
    antialias(p);

    const QPainterPath body = frontBody();
    // Shadow, shell, rim light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(body.translated(6, 10));
    QLinearGradient shell(QPointF(166, 0), QPointF(434, 0));
    shell.setColorAt(0, QColor(24, 25, 28));
    shell.setColorAt(0.5, QColor(52, 55, 60));
    shell.setColorAt(1, QColor(22, 23, 26));
    p.setBrush(shell);
    p.setPen(QPen(QColor(84, 88, 94), 2));
    p.drawPath(body);

    // The two main buttons and the palm rest.
    p.setPen(QPen(QColor(12, 12, 14), 3));
    p.drawLine(QPointF(300, 28), QPointF(300, 184));
    QPainterPath seam;
    seam.moveTo(172, 196);
    seam.cubicTo(230, 176, 370, 176, 428, 196);
    p.setBrush(Qt::NoBrush);
    p.drawPath(seam);

    // Red light strip along the palm.
    QPainterPath strip;
    strip.moveTo(214, 420);
    strip.cubicTo(250, 452, 350, 452, 386, 420);
    p.setPen(QPen(kRed, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);
    p.setPen(QPen(QColor(255, 90, 90, 90), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);
    drawEmblem(p, QRectF(282, 330, 36, 36), 0.55);

    // Buttons the model has, where the markers will sit.
    for (int slot = 0; slot < 20; ++slot) {
        if (!layout.markers[size_t(slot)].present || slot <= 1)
            continue;
        const QPointF c = frontAnchor(slot);
        if (slot == 2)
            continue; // the wheel is drawn below
        if (c.x() < 200)
            drawSideButton(p, c, true);
        else if (c.x() > 400)
            drawSideButton(p, c, false);
        else
            drawTopButton(p, c);
    }
    // The wheel, lit red.
    const QRectF wheel(287, 82, 26, 60);
    p.setPen(QPen(QColor(10, 10, 12), 2));
    QLinearGradient tyre(wheel.topLeft(), wheel.topRight());
    tyre.setColorAt(0, QColor(20, 20, 22));
    tyre.setColorAt(0.5, QColor(70, 72, 78));
    tyre.setColorAt(1, QColor(20, 20, 22));
    p.setBrush(tyre);
    p.drawRoundedRect(wheel, 12, 12);
    p.setPen(QPen(QColor(30, 30, 34), 2));
    for (int y = 90; y < 138; y += 6)
        p.drawLine(QPointF(291, y), QPointF(309, y));
    p.setPen(QPen(kRed, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(wheel.adjusted(-3, -3, 3, 3), 14, 14);
    return image;
}

QImage sidePicture(const QString &product)
{
    const MouseLayout layout = mouseLayout(product);
    QImage image = canvas(kPictureCanvas.width(), kPictureCanvas.height());
    QPainter p(&image);
    antialias(p);

    // The mouse from its left side: nose to the left, a high back.
    QPainterPath body;
    body.moveTo(40, 380);
    body.cubicTo(40, 300, 90, 230, 190, 190);
    body.cubicTo(300, 140, 450, 130, 520, 220);
    body.cubicTo(572, 290, 566, 372, 540, 392);
    body.lineTo(60, 396);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(body.translated(6, 10));
    QLinearGradient shell(QPointF(0, 140), QPointF(0, 396));
    shell.setColorAt(0, QColor(56, 59, 64));
    shell.setColorAt(1, QColor(20, 21, 24));
    p.setBrush(shell);
    p.setPen(QPen(QColor(84, 88, 94), 2));
    p.drawPath(body);
    p.setPen(QPen(kRed, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(70, 386), QPointF(530, 386));

    // The keypad of the second bank.
    const int count = layout.secondBank;
    if (count > 0) {
        QRectF pad;
        for (int i = 0; i < count; ++i) {
            const QPointF c = sideAnchor(i, count);
            pad = pad.isNull() ? QRectF(c, c) : pad.united(QRectF(c, c));
        }
        p.setPen(QPen(QColor(70, 73, 78), 1.5));
        p.setBrush(QColor(18, 19, 21));
        p.drawRoundedRect(pad.adjusted(-34, -34, 34, 34), 16, 16);
        for (int i = 0; i < count; ++i) {
            const QPointF c = sideAnchor(i, count);
            QLinearGradient key(c - QPointF(0, 22), c + QPointF(0, 22));
            key.setColorAt(0, QColor(64, 67, 72));
            key.setColorAt(1, QColor(34, 36, 40));
            p.setPen(QPen(QColor(100, 104, 110), 1.2));
            p.setBrush(key);
            p.drawRoundedRect(QRectF(c.x() - 23, c.y() - 23, 46, 46), 8, 8);
        }
    }
    return image;
}

} // namespace

namespace Artwork {

template<class Add>
void addMacroImages(const Add &add)
{
    add(QStringLiteral("macro_back.png"), [] { return macroBackground(); });
    add(QStringLiteral("dlg_gun.png"), [] { return dialogBackground(619, 400); });
    add(QStringLiteral("gunset_bullet.png"), [] { return bullet(); });
    add(QStringLiteral("gunset_slider.png"), [] { return gunSlider(); });
    add(QStringLiteral("profilesel.png"), [] { return buttonFace(150, 24, 0, false, true); });
    add(QStringLiteral("bulletsel.png"), [] { return buttonFace(60, 24, 0, false, true); });
    for (int checked = 0; checked < 2; ++checked) {
        const QString n = QString::number(checked + 1);
        add(QStringLiteral("checkbox1-%1.png").arg(n),
            [checked] { return checkBox(false, checked); });
        add(QStringLiteral("checkbox2-%1.png").arg(n),
            [checked] { return checkBox(true, checked); });
    }
    add(QStringLiteral("iconstart11.png"), [] { return rowIcon(0); });
    add(QStringLiteral("iconstart21.png"), [] { return rowIcon(1); });
    add(QStringLiteral("icondelay.png"), [] { return rowIcon(2); });
    add(QStringLiteral("mouse_move.png"), [] { return rowIcon(3); });
    const struct
    {
        const char *name;
        std::function<void(QPainter &, qreal)> glyph;
    } commands[] = {
        {"macro_new", glyphAdd},
        {"macro_delete", glyphRemove},
        {"mlist_delete", glyphClose},
        {"mlist_top", [](QPainter &p, qreal n) { glyphArrow(p, n, true, true); }},
        {"mlist_bottom", [](QPainter &p, qreal n) { glyphArrow(p, n, false, true); }},
        {"mlist_up", [](QPainter &p, qreal n) { glyphArrow(p, n, true, false); }},
        {"mlist_down", [](QPainter &p, qreal n) { glyphArrow(p, n, false, false); }},
        {"mlist_clear", glyphClear},
        {"mlist_copy", glyphCopy},
        {"mlist_cut", glyphCut},
        {"mlist_paste", glyphPaste},
        {"mlist_recafter", glyphRecordAfter},
    };
    for (int state = 0; state < 3; ++state) {
        for (const auto &c : commands) {
            auto glyph = c.glyph;
            add(QStringLiteral("%1_%2.png").arg(QLatin1String(c.name)).arg(state + 1),
                [state, glyph] { return glyphButton(22, state, glyph); });
        }
    }
}

QVector<Image> allImages()
{
    QVector<Image> images;
    auto add = [&images](const QString &name, std::function<QImage()> draw) {
        images.append(Image{name, std::move(draw)});
    };

    add(QStringLiteral("cfgMainback.png"), [] { return mainBackground(1.0); });
    add(QStringLiteral("cfgMainback_2.png"), [] { return mainBackground(1.25); });
    add(QStringLiteral("cfgMainback_3.png"), [] { return mainBackground(1.5); });
    add(QStringLiteral("dlg.png"), [] { return dialogBackground(478, 309); });
    add(QStringLiteral("warn.png"), [] { return warning(); });
    add(QStringLiteral("process.png"), [] { return progressBackground(); });
    add(QStringLiteral("icon.ico"), [] { return icon(64); });
    add(QStringLiteral("icon.png"), [] { return icon(256); });

    for (int state = 0; state < 3; ++state) {
        const QString n = QString::number(state + 1);
        add(QStringLiteral("button_%1.png").arg(n), [state] { return buttonFace(150, 29, state); });
        add(QStringLiteral("tab_%1.png").arg(n),
            [state] { return buttonFace(154, 29, state, true); });
        add(QStringLiteral("dropdown_%1.png").arg(n),
            [state] { return buttonFace(150, 29, state, false, true); });
        add(QStringLiteral("view_%1.png").arg(n), [state] { return buttonFace(96, 20, state); });
        add(QStringLiteral("close_%1.png").arg(n),
            [state] { return glyphButton(19, state, glyphClose); });
        add(QStringLiteral("min_%1.png").arg(n),
            [state] { return glyphButton(19, state, glyphMinimize); });
        const struct
        {
            const char *name;
            void (*glyph)(QPainter &, qreal);
        } commands[] = {{"save", glyphSave}, {"load", glyphLoad},     {"reset", glyphReset},
                        {"add", glyphAdd},   {"delete", glyphDelete}, {"copy", glyphCopy}};
        for (const auto &c : commands) {
            auto glyph = c.glyph;
            add(QStringLiteral("prof_%1_%2.png").arg(QLatin1String(c.name), n),
                [state, glyph] { return glyphButton(22, state, glyph); });
        }
    }
    add(QStringLiteral("profile_apply1.png"), [] { return buttonFace(16, 22, 0, false, true); });

    add(QStringLiteral("btn_1.png"), [] { return marker(true); });
    add(QStringLiteral("btn_2.png"), [] { return marker(false); });
    add(QStringLiteral("btn_up1.png"), [] { return scrollMarker(true, true, false); });
    add(QStringLiteral("btn_up2.png"), [] { return scrollMarker(true, false, false); });
    add(QStringLiteral("btn_up3.png"), [] { return scrollMarker(true, true, true); });
    add(QStringLiteral("btn_up4.png"), [] { return scrollMarker(true, false, true); });
    add(QStringLiteral("btn_down1.png"), [] { return scrollMarker(false, true, false); });
    add(QStringLiteral("btn_down2.png"), [] { return scrollMarker(false, false, false); });
    add(QStringLiteral("btn_down3.png"), [] { return scrollMarker(false, true, true); });
    add(QStringLiteral("btn_down4.png"), [] { return scrollMarker(false, false, true); });
    add(QStringLiteral("pspeed-slider.png"), [] { return sliderHandle(); });
    add(QStringLiteral("spin_up.png"), [] { return spinArrow(true); });
    add(QStringLiteral("spin_down.png"), [] { return spinArrow(false); });

    addMacroImages(add);

    const QStringList models = modelNames();
    for (const QString &model : models) {
        add(QStringLiteral("mouse/%1.png").arg(model), [model] { return frontPicture(model); });
        if (mouseLayout(model).hasSide())
            add(QStringLiteral("mouse/%1_Side.png").arg(model),
                [model] { return sidePicture(model); });
    }
    images += settingsPanelImages();
    return images;
}

QVector<Image> desktopIcons()
{
    QVector<Image> images;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        images.append(Image{QStringLiteral("%1x%1/apps/korvalen-config.png").arg(size),
                            [size] { return icon(size); }});
    return images;
}

// The emblem as SVG, on the same 4 % margin as icon().
QByteArray desktopIconSvg()
{
    const qreal n = 256, inset = n * 0.04, w = n * 0.92, radius = w * kEmblemRadius;
    QString points;
    for (const QPointF &corner : kEmblemLetterShape) {
        const QPointF at = QPointF(inset, inset) + corner * w;
        points += QStringLiteral("%1,%2 ").arg(at.x()).arg(at.y());
    }
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\">\n"
                          "  <defs>\n"
                          "    <linearGradient id=\"fill\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">\n"
                          "      <stop offset=\"0\" stop-color=\"%5\"/>\n"
                          "      <stop offset=\"1\" stop-color=\"%6\"/>\n"
                          "    </linearGradient>\n"
                          "  </defs>\n"
                          "  <rect x=\"%2\" y=\"%2\" width=\"%3\" height=\"%3\" rx=\"%4\" "
                          "fill=\"url(#fill)\"/>\n"
                          "  <polygon points=\"%7\" fill=\"%8\"/>\n"
                          "</svg>\n")
        .arg(n)
        .arg(inset)
        .arg(w)
        .arg(radius)
        .arg(kRedBright.name(), kRedDark.name(), points.trimmed(), kEmblemLetter.name())
        .toUtf8();
}

QImage resourceIcon(bool yes)
{
    const int n = 48;
    QImage image = canvas(n, n);
    QPainter p(&image);
    antialias(p);
    p.setPen(QPen(yes ? kRedBright : QColor(200, 200, 200), 6, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    if (yes) {
        p.drawPolyline(QPolygonF({QPointF(10, 25), QPointF(20, 35), QPointF(38, 13)}));
    } else {
        p.drawLine(QPointF(13, 13), QPointF(35, 35));
        p.drawLine(QPointF(35, 13), QPointF(13, 35));
    }
    return image;
}

} // namespace Artwork
