#include "widgets/VornSlider.h"

#include "widgets/UiScale.h"

#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

VornSlider::VornSlider(Qt::Orientation orientation, QWidget *parent)
    : QSlider(orientation, parent), m_label(new QLabel(parent ? parent : this))
{
    m_label->setFixedSize(UiScale::scaled(20), UiScale::scaled(20));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setStyleSheet(QStringLiteral(
        "background-color:rgb(150,20,28);color:white;border-radius:3px;font-size:9px;"));
    m_label->hide();
    connect(this, &QSlider::valueChanged, this, [this] {
        if (m_label->isVisible())
            placeLabel();
    });
}

VornSlider::~VornSlider()
{
    if (m_label->parent() != this)
        delete m_label;
}

void VornSlider::placeLabel()
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    m_label->setText(QString::number(value()));
    QPoint at = handle.center() - QPoint(m_label->width() / 2, m_label->height() / 2);
    if (orientation() == Qt::Horizontal)
        at.setY(-m_label->height());
    else
        at.setX(width());
    if (m_label->parentWidget() != this)
        at = mapTo(m_label->parentWidget(), at);
    m_label->move(at);
    m_label->raise();
}

void VornSlider::mousePressEvent(QMouseEvent *event)
{
    QSlider::mousePressEvent(event);
    // The label rides above the slider, outside it and often outside its
    // parent too (the DPI bars sit in a box as high as the bars): it is
    // shown by the window, which nothing clips.
    if (m_label->parentWidget() != window()) {
        m_label->setParent(window());
        m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    placeLabel();
    m_label->show();
}

void VornSlider::mouseMoveEvent(QMouseEvent *event)
{
    QSlider::mouseMoveEvent(event);
    placeLabel();
}

void VornSlider::keyPressEvent(QKeyEvent *event)
{
    const int before = value();
    QSlider::keyPressEvent(event);
    if (value() != before)
        emit MouseChange();
}

void VornSlider::wheelEvent(QWheelEvent *event)
{
    const int before = value();
    QSlider::wheelEvent(event);
    if (value() != before && !isSliderDown())
        emit MouseChange();
}

void VornSlider::mouseReleaseEvent(QMouseEvent *event)
{
    QSlider::mouseReleaseEvent(event);
    m_label->hide();
    emit MouseChange();
}
