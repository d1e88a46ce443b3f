#pragma once

#include <QString>

// The style of the level sliders (brightness, speed, pointer speed): a
// skin groove and the red handle, sized for the current scale factor.
QString levelSliderStyle(const QString &groove);
