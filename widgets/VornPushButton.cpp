#include "widgets/VornPushButton.h"

#include "widgets/Skin.h"
#include "widgets/UiScale.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

VornPushButton::VornPushButton(const QStringList &images, QWidget *parent, const QIcon &icon)
    : QPushButton(parent)
{
    setImages(images);
    if (!icon.isNull())
        setIcon(icon);
    setFocusPolicy(Qt::NoFocus);
    setFont(UiScale::languageFont());
    setCursor(Qt::PointingHandCursor);
}

void VornPushButton::setImages(const QStringList &images)
{
    // Decoded when first painted: most buttons never show their pressed
    // image, and many sit on panels that are not shown at start.
    m_images.clear();
    for (const QString &image : images)
        m_images.append(Skin::LazyPixmap(image));
    update();
}

void VornPushButton::setInert(bool inert)
{
    m_inert = inert;
    if (inert)
        setState(Normal);
}

void VornPushButton::setSelected(bool selected)
{
    m_selected = selected;
    m_state = selected ? Pressed : Normal;
    update();
}

QColor VornPushButton::textColor(int state, bool enabled)
{
    if (!enabled)
        return QColor(100, 100, 100);
    switch (state) {
    case Hover:
        return QColor(225, 225, 225);
    case Pressed:
        return QColor(255, 255, 255);
    default:
        return QColor(200, 200, 200);
    }
}

void VornPushButton::setState(int state)
{
    if (m_selected || m_state == state)
        return;
    m_state = state;
    update();
}

void VornPushButton::enterEvent(WidgetEnterEvent *event)
{
    if (!m_inert && m_images.size() >= 2)
        setState(Hover);
    QPushButton::enterEvent(event);
}

void VornPushButton::leaveEvent(QEvent *event)
{
    if (!m_inert)
        setState(Normal);
    QPushButton::leaveEvent(event);
}

void VornPushButton::mousePressEvent(QMouseEvent *event)
{
    if (m_inert) {
        event->ignore();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        setState(Pressed);
        emit EnterSignal(this, m_index);
        if (QMenu *popup = menu()) {
            // The menu takes the mouse, so this button never sees the
            // release: it looks normal again once the menu closes, by a
            // pick or by Escape.
            connect(popup, &QMenu::aboutToHide, this, &VornPushButton::menuClosed,
                    Qt::UniqueConnection);
        }
    }
    QPushButton::mousePressEvent(event);
}

void VornPushButton::menuClosed()
{
    setState(Normal);
}

void VornPushButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_inert) {
        event->ignore();
        return;
    }
    setState(rect().contains(event->pos()) && m_images.size() >= 2 ? Hover : Normal);
    QPushButton::mouseReleaseEvent(event);
}

void VornPushButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int shown = isEnabled() ? qMin(m_state, m_images.size() - 1) : 0;
    if (shown >= 0 && shown < m_images.size() && !m_images[shown].get().isNull()) {
        painter.setOpacity(isEnabled() ? 1.0 : 0.4);
        painter.drawPixmap(rect(), m_images[shown].get());
        painter.setOpacity(1.0);
    }

    QRect textRect = rect();
    if (!icon().isNull()) {
        const QSize size = iconSize();
        const int x = text().isEmpty() ? (width() - size.width()) / 2 : 4;
        icon().paint(&painter, QRect(QPoint(x, (height() - size.height()) / 2), size));
        if (!text().isEmpty())
            textRect.setLeft(x + size.width() + 4);
    }
    if (!text().isEmpty()) {
        painter.setFont(font());
        painter.setPen(textColor(m_state, isEnabled()));
        painter.drawText(textRect, Qt::AlignCenter, text());
    }
}
