#pragma once

#include <QColor>
#include <QPointF>
#include <QWidget>

// The pieces of the colour editor. Sizes follow the scale factor that is
// current when they are built or rescaled (UiScale).

// The hue bar: a vertical strip, hue 0 at the bottom and 360 at the top,
// with a triangle marker at its right edge.
class HColorArea : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kTop = 7; // the strip starts this far down
    static constexpr int kStripWidth = 16;

    explicit HColorArea(QWidget *parent = nullptr);

    void rescale();
    int hue() const { return m_hue; }
    // Places the marker without emitting anything.
    void setHue(int hue);
    // The marker's height in the widget.
    double markerY() const;
    // The hue a pointer at this height picks.
    int hueAt(double y) const;

signals:
    void hueChangedSignal(int hue);
    void mouseReleaseSignal();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    double stripHeight() const;
    void pick(double y);

    int m_hue = 0;
};

// The saturation-value square of one hue: white to the pure hue from left
// to right, darkening to black towards the bottom. The point is kept in
// pixels from the left and from the bottom.
class SVColorArea : public QWidget
{
    Q_OBJECT

public:
    explicit SVColorArea(QWidget *parent = nullptr);

    void rescale();
    int hue() const { return m_hue; }
    QPointF point() const { return m_point; }
    // The marker's centre in widget coordinates.
    QPointF markerCentre() const;
    // Places the marker for a saturation and value set from outside,
    // without emitting anything.
    void setSaturationValue(int s, int v);
    void setHue(int hue);

public slots:
    void hueChangedSlot(int hue);

signals:
    void svChangedSignal(int hue, int px, int py);
    void mouseReleaseSignal();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    double side() const;
    void pick(const QPointF &at);

    int m_hue = 0;
    QPointF m_point;
};

// The chosen colour. Turns the square's pixel pair into saturation and
// value.
class PreviewColorArea : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewColorArea(QWidget *parent = nullptr);

    QColor color() const { return m_color.toRgb(); }
    void setColor(const QColor &color);

    // Saturation (or value) of a pixel distance along the square's side.
    static int levelFromPixels(int pixels, double scale);

public slots:
    void svChangedSlot(int hue, int px, int py);

signals:
    void svChangedSignal(int hue, int s, int v);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color = Qt::black;
};

// One of the colour swatches; a click picks its colour.
class DefaultColorArea : public QWidget
{
    Q_OBJECT

public:
    explicit DefaultColorArea(const QColor &color, QWidget *parent = nullptr);

    QColor color() const { return m_color; }

signals:
    void ClickedSignal();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QColor m_color;
};
