#include "panels/ColorAreas.h"

#include "panels/PanelLog.h"
#include "widgets/UiScale.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr int kSide = 128; // the square and the strip, before the scale
constexpr int kMarkerDiameter = 12;
constexpr int kTriangle = 7;

} // namespace

HColorArea::HColorArea(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
    rescale();
}

void HColorArea::rescale()
{
    setFixedSize(kStripWidth + kTriangle + 1, int(stripHeight()) + 2 * kTop);
    update();
}

double HColorArea::stripHeight() const
{
    return kSide * UiScale::factor();
}

void HColorArea::setHue(int hue)
{
    m_hue = qBound(0, hue, 360);
    update();
}

double HColorArea::markerY() const
{
    return kTop + (1.0 - m_hue / 360.0) * stripHeight();
}

int HColorArea::hueAt(double y) const
{
    // The last row of the strip is its bottom end: pure red, as at the top.
    if (y >= kTop + int(stripHeight()) - 1)
        return 0;
    const double f = (y - kTop) / stripHeight();
    return int(360.0 * qBound(0.0, 1.0 - f, 1.0));
}

void HColorArea::pick(double y)
{
    m_hue = hueAt(y);
    update();
    emit hueChangedSignal(m_hue);
}

void HColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const double h = stripHeight();
    QLinearGradient strip(0, kTop + h, 0, kTop);
    for (int i = 0; i <= 16; ++i) {
        const double at = i / 16.0;
        // The top stop (1.0) wraps round to red again.
        strip.setColorAt(at, QColor::fromHsvF(at >= 1.0 ? 0.0 : at, 1, 1, 1));
    }
    p.fillRect(QRectF(0, kTop, kStripWidth, h), strip);

    p.setRenderHint(QPainter::Antialiasing);
    const double y = markerY();
    QPainterPath triangle;
    triangle.moveTo(kStripWidth, y);
    triangle.lineTo(kStripWidth + kTriangle, y - kTriangle / 2.0 - 1);
    triangle.lineTo(kStripWidth + kTriangle, y + kTriangle / 2.0 + 1);
    triangle.closeSubpath();
    p.fillPath(triangle, Qt::white);
}

void HColorArea::mousePressEvent(QMouseEvent *event)
{
    pick(event->localPos().y());
}

void HColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        pick(event->localPos().y());
}

void HColorArea::mouseReleaseEvent(QMouseEvent *)
{
    emit mouseReleaseSignal();
}

SVColorArea::SVColorArea(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::CrossCursor);
    rescale();
}

void SVColorArea::rescale()
{
    setFixedSize(int(side()), int(side()));
    update();
}

double SVColorArea::side() const
{
    return kSide * UiScale::factor();
}

QPointF SVColorArea::markerCentre() const
{
    return QPointF(m_point.x(), side() - m_point.y());
}

void SVColorArea::setSaturationValue(int s, int v)
{
    const double scale = UiScale::factor();
    m_point = QPointF(s * scale / 2, v * scale / 2);
    update();
}

void SVColorArea::setHue(int hue)
{
    m_hue = hue;
    update();
}

void SVColorArea::hueChangedSlot(int hue)
{
    setHue(hue);
    emit svChangedSignal(m_hue, int(m_point.x()), int(m_point.y()));
}

void SVColorArea::pick(const QPointF &at)
{
    const int limit = int(side());
    // The last column and the last row are the edges, as a drag past them:
    // saturation 255 and value 0.
    const int x = qRound(at.x());
    const int y = qRound(at.y());
    const int px = x >= limit - 1 ? limit : qBound(0, x, limit);
    const int py = y >= limit - 1 ? 0 : qBound(0, limit - y, limit);
    m_point = QPointF(px, py);
    update();
    emit svChangedSignal(m_hue, px, py);
}

void SVColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRectF area(0, 0, side(), side());
    QColor pure;
    pure.setHsv(m_hue % 360, 255, 255);
    QLinearGradient across(area.topLeft(), area.topRight());
    across.setColorAt(0, Qt::white);
    across.setColorAt(1, pure);
    p.fillRect(area, across);
    QLinearGradient down(area.topLeft(), area.bottomLeft());
    down.setColorAt(0, QColor(0, 0, 0, 0));
    down.setColorAt(1, QColor(0, 0, 0, 255));
    p.fillRect(area, down);

    p.setRenderHint(QPainter::Antialiasing);
    const int value = PreviewColorArea::levelFromPixels(int(m_point.y()), UiScale::factor());
    p.setPen(QPen(value > 127 ? Qt::black : Qt::white, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(markerCentre(), kMarkerDiameter / 2.0, kMarkerDiameter / 2.0);
}

void SVColorArea::mousePressEvent(QMouseEvent *event)
{
    qCDebug(lcPanels, "SVColorArea mousePressEvent %d %d\n", int(m_point.x()), int(m_point.y()));
    pick(event->localPos());
    qCDebug(lcPanels, "SVColorArea mousePressEvent %d %d\n", int(m_point.x()), int(m_point.y()));
}

void SVColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        pick(event->localPos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent *)
{
    emit mouseReleaseSignal();
}

PreviewColorArea::PreviewColorArea(QWidget *parent) : QWidget(parent) {}

int PreviewColorArea::levelFromPixels(int pixels, double scale)
{
    // The last pixel column of the square is full saturation (or value).
    if (pixels > 127 * scale)
        return 255;
    return int(2 * pixels / scale);
}

void PreviewColorArea::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void PreviewColorArea::svChangedSlot(int hue, int px, int py)
{
    const double scale = UiScale::factor();
    const int s = levelFromPixels(px, scale);
    const int v = levelFromPixels(py, scale);
    const int h = hue == 360 ? 0 : hue;
    m_color.setHsv(h, s, v, 255);
    update();
    emit svChangedSignal(h, s, v);
}

void PreviewColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_color);
    p.setPen(QColor(90, 90, 90));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

DefaultColorArea::DefaultColorArea(const QColor &color, QWidget *parent)
    : QWidget(parent), m_color(color)
{
    setCursor(Qt::PointingHandCursor);
}

void DefaultColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_color);
    p.setPen(QColor(90, 90, 90));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void DefaultColorArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit ClickedSignal();
}
