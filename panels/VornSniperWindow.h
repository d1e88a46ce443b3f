#pragma once

#include "panels/ScaledLayout.h"

#include <QWidget>

class VornLabel;
class VornSlider;

// The SNIPER editor: a step on the model's DPI scale, shown as its DPI.
class VornSniperWindow : public QWidget
{
    Q_OBJECT

public:
    explicit VornSniperWindow(QWidget *parent = nullptr);

    void showEditor(bool show) { setVisible(show); }
    // Takes a stored step for the connected model: out of range it becomes
    // the model's default step. Reports the step it settled on.
    void load(quint8 value);
    void retranslate();
    void rescale();

    quint8 value() const { return m_value; }
    VornSlider *slider() const { return m_slider; }
    QString dpiText() const;

signals:
    void SetSniperValue(quint8 value);

private:
    void showDpi();

    quint32 m_sensor = 0;
    quint8 m_value = 0;
    VornLabel *m_title;
    VornLabel *m_dpi;
    VornSlider *m_slider;
    ScaledLayout m_layout;
};
