#include "widgets/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>

namespace {

QPoint screenPoint(const QMouseEvent *event)
{
    return QPoint(qRound(event->screenPos().x()), qRound(event->screenPos().y()));
}

} // namespace

void WindowDrag::press(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_pressPos = screenPoint(event);
    m_framePos = m_window->frameGeometry().topLeft();
}

void WindowDrag::move(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPoint offset = screenPoint(event) - m_pressPos;
    if (offset.manhattanLength() > 4)
        m_window->move(m_framePos + offset);
}
