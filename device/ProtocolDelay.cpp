#include "device/ProtocolDelay.h"

#include "device/DeviceContext.h"

#include <QThread>

void protocolSleep(int ms)
{
    if (ms <= 0)
        return;
    const ProtocolDelayHook &hook = DeviceContext::protocolDelayHook();
    if (hook) {
        hook(ms);
        return;
    }
    QThread::msleep(static_cast<unsigned long>(ms));
}
