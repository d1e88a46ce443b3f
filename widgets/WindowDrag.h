#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

// Moves a frameless window when it is dragged by its background: a press of
// the left button starts, moves of more than 4 pixels follow, the release
// ends it. The window passes its mouse events in.
class WindowDrag
{
public:
    explicit WindowDrag(QWidget *window) : m_window(window) {}

    void press(QMouseEvent *event);
    void move(QMouseEvent *event);
    void release() { m_dragging = false; }
    bool dragging() const { return m_dragging; }

private:
    QWidget *m_window;
    bool m_dragging = false;
    QPoint m_pressPos;
    QPoint m_framePos;
};
