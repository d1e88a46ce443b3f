#pragma once

#include <QMetaObject>
#include <QWidget>

class VornSlider;

// The X and Y resolution of one DPI stage: two sliders over the same range,
// moving together while linked.
class VornTwoBarSlider : public QWidget
{
    Q_OBJECT

public:
    explicit VornTwoBarSlider(QWidget *parent = nullptr);

    void setRange(int max, int min);
    int maximum() const { return m_max; }
    int minimum() const { return m_min; }
    void setValues(int x, int y);
    void setLinked(bool on);
    bool isLinked() const { return bool(m_xToY); }

    // Geometry and handle style for the scale factor; `wide` is the longer
    // bar of the compact layout.
    void applyScale(double s, bool wide);

    VornSlider *xSlider() const { return m_x; }
    VornSlider *ySlider() const { return m_y; }

    // The handle width of a size class (scale 1.0 + 0.25 × class), or 0
    // for a factor between two classes.
    static int handleWidth(double s);

signals:
    void SliderChangedSignal(int x, int y);

private:
    VornSlider *m_x;
    VornSlider *m_y;
    int m_max = 0;
    int m_min = 0;
    QMetaObject::Connection m_xToY;
    QMetaObject::Connection m_yToX;
};
