#include "widgets/VornLabel.h"

#include "widgets/UiScale.h"

#include <QPainter>

VornLabel::VornLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setFont(UiScale::languageFont());
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
}

void VornLabel::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(30, 30, 30));
    }
    QLabel::paintEvent(event);
}
