#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <vector>

// Children placed at design rectangles (parent coordinates before the
// scale factor); apply() puts them at the rectangles times the factor,
// truncated, as the window places its own widgets.
class ScaledLayout
{
public:
    void add(QWidget *widget, const QRect &design);
    // A widget already added moves to a new design rectangle.
    void move(QWidget *widget, const QRect &design);
    void apply(double scale) const;

private:
    std::vector<std::pair<QPointer<QWidget>, QRect>> m_items;
};
