#include "panels/PanelStyle.h"

#include "widgets/UiScale.h"

QString levelSliderStyle(const QString &groove)
{
    return QStringLiteral("QSlider::groove:horizontal {border-image: url(./skin/%1); height: %2px;}"
                          "QSlider::handle:horizontal {border-image: url(./skin/slider-v.png);"
                          " width: %3px; height: %4px; margin: -%5px 0;}")
        .arg(groove)
        .arg(UiScale::scaled(6))
        .arg(UiScale::scaled(22))
        .arg(UiScale::scaled(11))
        .arg(UiScale::scaled(3));
}
