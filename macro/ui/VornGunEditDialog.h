#pragma once

#include <QDialog>
#include <QPixmap>

class QSpinBox;
class VornCheckButton;

// Edits one mouse move: its direction (0 left, 1 right, 2 up, 3 down) and
// distance (1-120).
class VornGunEditDialog : public QDialog
{
    Q_OBJECT

public:
    VornGunEditDialog(int direction, int distance, QWidget *parent = nullptr, double scale = 1.0,
                      Qt::WindowFlags flags = Qt::FramelessWindowHint);

    int direction() const { return m_direction; }
    int distance() const { return m_distance; }
    void setDirection(int direction);
    VornCheckButton *directionButton(int direction) const { return m_buttons[direction]; }
    QSpinBox *distanceBox() const { return m_spin; }

public slots:
    void OnYesClick();
    void sValueChangedSlot(int iValue);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int px(int design) const { return int(design * m_scale); }

    double m_scale;
    QPixmap m_background;
    VornCheckButton *m_buttons[4] = {};
    QSpinBox *m_spin;
    int m_direction = 0;
    int m_distance = 1;
};
