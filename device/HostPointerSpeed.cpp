#include "device/HostPointerSpeed.h"

#include "device/DeviceLog.h"
#include "platform/PointerSpeed.h"

bool SetPointerSpeed(int speed)
{
    int error = 0;
    if (setSystemPointerSpeed(speed, &error))
        return true;
    qCDebug(lcDevice, "Error in SystemParametersInfo :%d", error);
    return false;
}

int GetPointerSpeed()
{
    return systemPointerSpeed();
}

void GetPointerSpeedLater(QObject *context, std::function<void(int)> done)
{
    readSystemPointerSpeedLater(context, std::move(done));
}
