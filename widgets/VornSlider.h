#pragma once

#include <QSlider>

class QLabel;

// A slider whose value rides above the handle while the mouse holds it;
// MouseChange tells the owner the user let go, or moved the handle by a
// key or the wheel (each such step is a finished change).
class VornSlider : public QSlider
{
    Q_OBJECT

public:
    explicit VornSlider(Qt::Orientation orientation = Qt::Horizontal, QWidget *parent = nullptr);
    ~VornSlider() override;

    // The label that follows the handle (hidden unless the mouse is down).
    QLabel *valueLabel() const { return m_label; }

signals:
    void MouseChange();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void placeLabel();

    // Moved to the window when first shown; the window deletes its earlier
    // children, the slider among them, first.
    QLabel *m_label;
};
