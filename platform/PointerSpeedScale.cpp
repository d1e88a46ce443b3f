#include "platform/PointerSpeedScale.h"

#include <QtGlobal>

#include <cmath>

double gnomeSpeedFromPointerSpeed(int speed)
{
    const int s = qBound(kMinPointerSpeed, speed, kMaxPointerSpeed);
    const int below = kDefaultPointerSpeed - kMinPointerSpeed;
    const int above = kMaxPointerSpeed - kDefaultPointerSpeed;
    if (s <= kDefaultPointerSpeed)
        return double(s - kDefaultPointerSpeed) / below;
    return double(s - kDefaultPointerSpeed) / above;
}

int pointerSpeedFromGnomeSpeed(double value)
{
    if (!std::isfinite(value))
        return kDefaultPointerSpeed;
    const double g = qBound(-1.0, value, 1.0);
    const int below = kDefaultPointerSpeed - kMinPointerSpeed;
    const int above = kMaxPointerSpeed - kDefaultPointerSpeed;
    const double s = kDefaultPointerSpeed + (g <= 0 ? below * g : above * g);
    return qBound(kMinPointerSpeed, int(std::lround(s)), kMaxPointerSpeed);
}
