#include "macro/ui/VornCheckButton.h"

#include "widgets/Skin.h"
#include "widgets/UiScale.h"

#include <QPainter>

VornCheckButton::VornCheckButton(const QString &stem, const QString &text, QWidget *parent)
    : QPushButton(text, parent), m_stem(stem)
{
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setFont(UiScale::languageFont());
}

void VornCheckButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int box = qMin(height(), UiScale::scaled(16));
    const QPixmap image =
        Skin::pixmap(QStringLiteral("/skin/%1-%2.png").arg(m_stem).arg(isChecked() ? 2 : 1));
    painter.setOpacity(isEnabled() ? 1.0 : 0.4);
    painter.drawPixmap(QRect(0, (height() - box) / 2, box, box), image);
    painter.setFont(font());
    painter.setPen(isEnabled() ? QColor(230, 230, 230) : QColor(100, 100, 100));
    painter.drawText(rect().adjusted(box + UiScale::scaled(6), 0, 0, 0),
                     Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, text());
}
